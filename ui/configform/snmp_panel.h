#pragma once
// Buttons, content and message area for one binding: the command buttons on the right,
// the shown control (edit rows or a list view) filling the rest above the message memo,
// which receives the binding's status lines. A panel on a dialog shares the memo of the
// panel it was opened from instead of having its own.

#include "base_form.h"
#include "kv_snmp_request2_edits.h"

#include <QPointer>
#include <QWidget>

#include <exception>
#include <string>
#include <utility>

class QSplitter;
class TCtrlBtnPanel;
class TMsgPanel;

class TSNMPPanel : public QWidget {
  Q_OBJECT
public:
  // `sharedMsgPanel` null: the panel makes a message panel of its own.
  TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, KvSNMPRequest2Edits *binding);

  // Hides the control shown before, shows `control` in Content and sizes the panel to it.
  void SetShown(QWidget *control);
  // Gives a control lent elsewhere back to Content, hidden.
  void TakeBack(QWidget *control);

  // Runs a handler of this panel: through the window's guard when the panel sits in a
  // TBaseForm, else with every exception shown as a status line of the binding.
  template <class F>
  void Run(F &&handler);
  TBaseForm *BaseForm() const;

  // The caption the panel's dialogs start from: the page caption, else the window's.
  std::string ParentCaption() const;

  KvSNMPRequest2Edits *Binding;
  TCtrlBtnPanel *Buttons;
  QSplitter *RightSplitter;
  QWidget *Content;
  TMsgPanel *MsgPanel = nullptr;  // own or shared
  QSplitter *BottomSplitter;
  QPointer<QWidget> Shown;
  QPointer<QWidget> OwnerForm;
  std::string PageCaption;  // set when the panel is a page of a window

signals:
  // The panel's size changed after set-up (new edit width): the window fits itself again.
  void SizeChanged();

private:
  void ReportFailure(const std::string &message);
  bool ownMsgPanel_ = false;
};

// Gives `window` a client area the size of `panel` (at most 800 x 550), lets the panel
// fill it and centres the window on its owner.
void FitWindowToPanel(QWidget *window, QWidget *panel);
QSize LimitedClientSize(QSize panelSize);

template <class F>
void TSNMPPanel::Run(F &&handler) {
  if (TBaseForm *form = BaseForm()) {
    form->Guarded(Binding, std::forward<F>(handler));
    return;
  }
  try {
    std::forward<F>(handler)();
  } catch (const std::exception &e) {
    ReportFailure(e.what());
  }
}
