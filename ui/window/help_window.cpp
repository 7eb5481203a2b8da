#include "help_window.h"

#include "kv_help.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "window_layout.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace {
QPointer<THelpWindow> instance;
std::string programPage;
std::string contextAnchor;

QUrl PageUrl(const std::string &page, const std::string &anchor) {
  QUrl url = QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(page.c_str())).absoluteFilePath());
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return url;
}
}  // namespace

THelpWindow *THelpWindow::Show(QWidget *owner, const std::string &page, const std::string &anchor) {
  if (!instance) instance = new THelpWindow(owner);
  // Over the window that asked: a modal window lets only its own children take input, and
  // the help goes with the window it explains.
  else if (owner && instance->parentWidget() != owner) instance->setParent(owner, instance->windowFlags());
  instance->OpenPage(page, anchor);
  if (instance->isMinimized()) instance->showNormal();
  instance->show();
  instance->raise();
  instance->activateWindow();
  return instance;
}

THelpWindow *THelpWindow::Instance() { return instance; }

void THelpWindow::SetProgramPage(const std::string &page) { programPage = page; }
void THelpWindow::SetContextAnchor(const std::string &anchor) { contextAnchor = anchor; }
const std::string &THelpWindow::ContextAnchor() { return contextAnchor; }

void THelpWindow::ShowProgramHelp(QWidget *owner, const std::string &anchor) {
  if (programPage.empty()) return;
  std::error_code error;
  if (!std::filesystem::is_regular_file(programPage, error)) {
    Platform::ShowMessageBox(owner, "The help file \"" + programPage + "\" is missing.", Platform::ProgramFileName(),
                             Platform::MsgButtons::Ok, Platform::MsgIcon::Warning);
    return;
  }
  Show(owner, programPage, anchor);
}

void THelpWindow::AddHelpKey(QWidget *window) {
  auto *key = new QShortcut(QKeySequence::HelpContents, window);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window] { ShowProgramHelp(window, contextAnchor); });
}

THelpWindow::~THelpWindow() = default;

THelpWindow::THelpWindow(QWidget *owner) : QDialog(owner) {
  setWindowTitle("Help");
  setAttribute(Qt::WA_DeleteOnClose);
  // Beside the other windows, not over them: a modal window may be open when help is asked for.
  setWindowModality(Qt::NonModal);
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  resize(860, 600);

  auto *outer = new QVBoxLayout(this);
  auto *searchRow = new QHBoxLayout;
  searchRow->addWidget(new QLabel("Search:", this));
  searchRow->addWidget(SearchEdit = Named(new QLineEdit(this), "SearchEdit"), 1);
  searchRow->addWidget(FindButton = Named(new QPushButton("Find", this), "FindButton"));
  searchRow->addSpacing(12);
  searchRow->addWidget(BackButton = Named(new QPushButton("Back", this), "BackButton"));
  searchRow->addWidget(BrowserButton = Named(new QPushButton("Open in browser", this), "BrowserButton"));
  outer->addLayout(searchRow);

  auto *split = new QSplitter(this);
  Contents = Named(new QListWidget(split), "Contents");
  Browser = Named(new QTextBrowser(split), "Browser");
  Browser->setOpenLinks(false);  // LinkClicked decides where a link goes
  Contents->setWordWrap(true);  // a long heading takes two lines rather than a scroll bar
  Contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  split->addWidget(Contents);
  split->addWidget(Browser);
  split->setStretchFactor(1, 1);
  split->setSizes({220, 640});
  outer->addWidget(split, 1);

  auto *bottom = new QHBoxLayout;
  bottom->addWidget(StatusLine = Named(new QLabel(this), "StatusLine"), 1);
  bottom->addWidget(CloseButton = Named(new QPushButton("Close", this), "CloseButton"));
  outer->addLayout(bottom);

  BackButton->setEnabled(false);
  FindButton->setAutoDefault(false);
  CloseButton->setAutoDefault(false);
  connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { Find(SearchEdit->text()); });
  connect(FindButton, &QPushButton::clicked, this, [this] { Find(SearchEdit->text()); });
  connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
  connect(BrowserButton, &QPushButton::clicked, this, &THelpWindow::BrowserButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
  connect(Contents, &QListWidget::itemClicked, this, &THelpWindow::ContentsClick);
  connect(Browser, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
  connect(Browser, &QTextBrowser::sourceChanged, this, [this] { ListHeadings(); });
}

void THelpWindow::OpenPage(const std::string &page, const std::string &anchor) {
  StatusLine->clear();
  const QUrl url = PageUrl(page, anchor);
  // The same page again only scrolls: its history and search position stay.
  if (Browser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment)) {
    if (!anchor.empty()) Browser->scrollToAnchor(url.fragment());
    return;
  }
  Browser->setSource(url);
}

void THelpWindow::ListHeadings() {
  Contents->clear();
  setWindowTitle("Help - " + Browser->documentTitle());
  for (QTextBlock block = Browser->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 1 || level > 3 || block.text().trimmed().isEmpty()) continue;
    QString anchor;
    for (auto fragment = block.begin(); !fragment.atEnd() && anchor.isEmpty(); ++fragment)
      if (const QStringList names = fragment.fragment().charFormat().anchorNames(); !names.isEmpty())
        anchor = names.first();
    auto *item = new QListWidgetItem(QString(2 * (level - 1), ' ') + block.text().trimmed(), Contents);
    item->setData(Qt::UserRole, anchor);
    item->setData(Qt::UserRole + 1, block.position());
  }
}

void THelpWindow::ContentsClick(QListWidgetItem *item) {
  if (!item) return;
  const QString anchor = item->data(Qt::UserRole).toString();
  if (!anchor.isEmpty()) {
    Browser->scrollToAnchor(anchor);
    return;
  }
  // A heading without an anchor: its place in the page.
  QTextCursor cursor(Browser->document());
  cursor.setPosition(item->data(Qt::UserRole + 1).toInt());
  Browser->setTextCursor(cursor);
  Browser->ensureCursorVisible();
}

bool THelpWindow::Find(const QString &text) {
  StatusLine->clear();
  if (text.isEmpty()) return false;
  if (Browser->find(text)) return true;
  // Past the last one: once more from the top.
  QTextCursor top(Browser->document());
  Browser->setTextCursor(top);
  if (Browser->find(text)) return true;
  StatusLine->setText("\"" + text + "\" is not on this page.");
  return false;
}

void THelpWindow::LinkClicked(const QUrl &url) {
  StatusLine->clear();
  const QUrl target = Browser->source().resolved(url);
  if (target.isLocalFile() || target.scheme().isEmpty()) {
    if (QFileInfo::exists(target.toLocalFile())) Browser->setSource(target);
    else StatusLine->setText("The page " + target.toLocalFile() + " is missing.");
    return;
  }
  if (!QDesktopServices::openUrl(target)) StatusLine->setText("No program could open " + target.toString() + ".");
}

void THelpWindow::BrowserButtonClick() {
  const std::string page = Browser->source().toLocalFile().toLocal8Bit().toStdString();
  if (!Platform::OpenHelpFile(page))
    StatusLine->setText("No program could open the help file \"" + QString::fromLocal8Bit(page.c_str()) +
                        "\" (is a web browser installed?).");
}
