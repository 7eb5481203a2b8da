#pragma once
// The programs' own help window: the installed HTML pages shown in a browser of their own,
// so that help opens on every desktop, with or without a web browser. The contents list
// follows the page's headings, the search finds text in the page, links between the pages
// are followed in place and links to the web go to the desktop; "Open in browser" hands the
// page to the desktop's browser. One help window per program, not modal, over the window
// that asked for it last (and closed with it).
//
//   THelpWindow::Show(owner, page, "menu");   // the page, scrolled to its anchor "menu"
//   THelpWindow::SetProgramPage(page);        // F1 in every window (TBaseForm) opens it

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;
class QUrl;

class THelpWindow : public QDialog {
  Q_OBJECT
public:
  // Shows `page` (a local HTML file) at `anchor` ("" for its top) in the program's help
  // window, making it on the first call and bringing it to the front on later ones. The
  // caller checks that the page exists.
  static THelpWindow *Show(QWidget *owner, const std::string &page, const std::string &anchor = "");
  // The program's help window, or null while there is none.
  static THelpWindow *Instance();

  // The program's help page, which F1 opens in each of its windows ("" while none).
  static void SetProgramPage(const std::string &page);
  // Where in the page F1 opens while the window of a menu entry runs ("" for the top).
  static void SetContextAnchor(const std::string &anchor);
  static const std::string &ContextAnchor();
  // The program's page at `anchor`, in the help window (F1 gives the context anchor, the
  // Help menu none). A page that is missing is said in a message box over `owner`.
  static void ShowProgramHelp(QWidget *owner, const std::string &anchor);
  // Gives `window` the F1 key of the program's help.
  static void AddHelpKey(QWidget *window);
  ~THelpWindow() override;

  // Opens `page` at `anchor` in this window.
  void OpenPage(const std::string &page, const std::string &anchor);
  // Finds `text` after the cursor, starting over at the top once; false (and a status
  // line that says so) when the page does not hold it.
  bool Find(const QString &text);

  // The page's headings as the contents list shows them, each with its anchor.
  QListWidget *Contents;
  QTextBrowser *Browser;
  QLineEdit *SearchEdit;
  QPushButton *FindButton;
  QPushButton *BackButton;
  QPushButton *BrowserButton;
  QPushButton *CloseButton;
  QLabel *StatusLine;

private:
  explicit THelpWindow(QWidget *owner);
  // Fills the contents list from the headings (h1 to h3) of the page shown.
  void ListHeadings();
  void ContentsClick(QListWidgetItem *item);
  void BrowserButtonClick();
  void LinkClicked(const QUrl &url);
};
