#include "about_form.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("About MS-2416X  Module"));
  // Single border with the system menu only: no minimise, maximise or resize.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(354, 105);
  // The box is laid out for an 8 pt font.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  ProgramIcon = new QLabel(this);
  ProgramIcon->setGeometry(9, 32, 32, 32);
  const QIcon icon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                                         : QApplication::windowIcon();
  ProgramIcon->setPixmap(icon.pixmap(32, 32));

  ProductName = new QLabel(QStringLiteral("Korvane MS-2416X Management Module"), this);
  QFont bold = ProductName->font();
  bold.setPointSize(9);
  bold.setBold(true);
  ProductName->setFont(bold);
  ProductName->move(65, 16);

  Version = new QLabel(this);
  Version->move(65, 31);
  Copyright = new QLabel(this);
  Copyright->move(65, 46);
  Comments = new QLabel(QStringLiteral("(C) Korvane. All rights reserved."), this);
  Comments->move(65, 64);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(294, 63, 51, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  FormCreate();
  for (QLabel *label : {ProductName, Version, Copyright, Comments}) label->adjustSize();
  if (owner) move(owner->frameGeometry().center() - rect().center());
}

void TAboutForm::FormCreate() {
  Version->setText(QStringLiteral("Support Firmware Version 3.01.018"));
  Copyright->setText(QStringLiteral("Release Version v3.00r17.(Build 2004/08/24)"));
}
