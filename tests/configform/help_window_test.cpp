// The programs' own help window: contents from the page's headings, anchors, search, links
// between pages followed in place, and the desktop's browser only on request.

#include "agent_process.h"
#include "help_window.h"
#include "kv_help.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

TEST(HelpWindow, ShowsThePageWithItsContentsSearchAndLinksAndOneWindowPerProgram) {
  const std::string dir = MakeTempDir("kvhelp");
  const std::string first = dir + "/first page.html", second = dir + "/second.html";
  std::string body;
  for (int i = 0; i < 80; ++i) body += "<p>filler line " + std::to_string(i) + "</p>";
  std::ofstream(first) << "<html><head><title>First</title></head><body><h1>Module</h1>"
                       << "<h2 id=\"start\">Starting</h2>" << body << "<h2 id=\"menu\">The menu</h2>"
                       << "<p>Trunk settings live here.</p><a href=\"second.html#vlan\">next</a> "
                       << "<a href=\"gone.html\">gone</a>" << body << "</body></html>";
  std::ofstream(second) << "<html><head><title>Second</title></head><body><h2 id=\"vlan\">VLANs</h2></body></html>";

  THelpWindow *help = THelpWindow::Show(nullptr, first, "menu");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(THelpWindow::Instance(), help);
  EXPECT_EQ(help->windowTitle(), "Help - First");
  EXPECT_EQ(help->Browser->source().fragment(), "menu");
  const int atMenu = help->Browser->verticalScrollBar()->value();
  EXPECT_GT(atMenu, 0);  // scrolled down to "The menu"
  std::vector<std::string> contents;
  for (int i = 0; i < help->Contents->count(); ++i) contents.push_back(help->Contents->item(i)->text().toStdString());
  EXPECT_EQ(contents, (std::vector<std::string>{"Module", "  Starting", "  The menu"}));
  help->Contents->itemClicked(help->Contents->item(1));
  EXPECT_LT(help->Browser->verticalScrollBar()->value(), atMenu);

  // Search: found, found again from the top once past the last, or said to be missing.
  EXPECT_TRUE(help->Find("Trunk"));
  EXPECT_TRUE(help->Find("Trunk"));
  EXPECT_FALSE(help->Find("Spanning"));
  EXPECT_EQ(help->StatusLine->text(), "\"Spanning\" is not on this page.");

  // A second Show reuses the window; links to pages are followed in place, a missing one said.
  EXPECT_EQ(THelpWindow::Show(nullptr, first, "start"), help);
  help->Browser->anchorClicked(QUrl("gone.html"));
  EXPECT_NE(help->StatusLine->text().indexOf("is missing"), -1);
  help->Browser->anchorClicked(QUrl("second.html#vlan"));
  EXPECT_EQ(help->Browser->source().fileName(), "second.html");
  EXPECT_EQ(help->windowTitle(), "Help - Second");
  EXPECT_TRUE(help->BackButton->isEnabled());
  help->BackButton->click();
  EXPECT_EQ(help->Browser->source().fileName(), "first page.html");

  // The desktop's browser only on request, with the page shown; its failure is a status line.
  std::vector<std::string> opened;
  Platform::HelpHook previous = Platform::SetHelpHook([&](const std::string &path) {
    opened.push_back(path);
    return opened.size() == 1;
  });
  help->BrowserButton->click();
  help->BrowserButton->click();
  Platform::SetHelpHook(previous);
  EXPECT_EQ(opened, (std::vector<std::string>{first, first}));
  EXPECT_NE(help->StatusLine->text().indexOf("No program could open"), -1);

  help->close();  // deletes itself on close
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(THelpWindow::Instance(), nullptr);
}
