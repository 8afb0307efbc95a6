#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// Form of JXAlertDialog: a title, a message and the OK and Cancel buttons.
class Ui_JXAlertDialog
{
public:
    QGridLayout *gridLayout_2 = nullptr;
    QLabel *label_title = nullptr;
    QLabel *label_msg = nullptr;
    QWidget *widget = nullptr;
    QGridLayout *gridLayout = nullptr;
    QPushButton *pushBtn_ok = nullptr;
    QPushButton *pushBtn_cancel = nullptr;

    void setupUi(QDialog *dialog)
    {
        if (dialog->objectName().isEmpty())
            dialog->setObjectName(QStringLiteral("JXAlertDialog"));
        dialog->resize(206, 130);
        dialog->setMaximumWidth(206);
        dialog->setStyleSheet(QStringLiteral("background-color: rgb(34, 34, 34);\n"
                                             "border-radius: 5px;\n"
                                             "border-width: 1px;\n"
                                             "border-style: solid;\n"
                                             "border-color: rgb(51, 51, 51);"));

        QFont font(QStringLiteral("Tahoma"));
        font.setWeight(QFont::Normal);
        font.setItalic(false);
        const QString labelStyle = QStringLiteral("color: rgb(255, 255, 255);\n"
                                                  "background-color: rgba(0, 0, 0, 0);\n"
                                                  "border-color: rgba(0, 0, 0, 0);\n"
                                                  "font: 13px \"Tahoma\";");

        gridLayout_2 = new QGridLayout(dialog);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        const QMargins margins = gridLayout_2->contentsMargins();
        gridLayout_2->setContentsMargins(4, margins.top(), 4, 4);

        label_title = new QLabel(dialog);
        label_title->setObjectName(QStringLiteral("label_title"));
        label_title->setFixedHeight(20);
        label_title->setFont(font);
        label_title->setStyleSheet(labelStyle);
        label_title->setAlignment(Qt::AlignCenter);
        gridLayout_2->addWidget(label_title, 0, 0, 1, 1);

        label_msg = new QLabel(dialog);
        label_msg->setObjectName(QStringLiteral("label_msg"));
        label_msg->setFont(font);
        label_msg->setStyleSheet(labelStyle);
        label_msg->setAlignment(Qt::AlignCenter);
        label_msg->setWordWrap(true);
        gridLayout_2->addWidget(label_msg, 1, 0, 1, 1);

        widget = new QWidget(dialog);
        widget->setObjectName(QStringLiteral("widget"));
        widget->setMinimumHeight(30);
        widget->setMaximumHeight(32);
        widget->setStyleSheet(QStringLiteral("border-color: rgba(0, 0, 0, 0);"));
        gridLayout = new QGridLayout(widget);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        const QString buttonStyle = QStringLiteral("QPushButton {\n"
                                                   "color: rgb(255, 255, 255);\n"
                                                   "background-color: rgb(47, 49, 55);\n"
                                                   "border-radius: 5px;\n"
                                                   "border: 1px solid rgba(66, 189, 86, 0);\n"
                                                   "font: 13px \"Tahoma\";\n"
                                                   "}\n"
                                                   "QPushButton:hover {\n"
                                                   "color: rgb(32, 124, 186);\n"
                                                   "}\n"
                                                   "QPushButton:pressed {\n"
                                                   "color: rgb(44, 168, 240);\n"
                                                   "}");
        pushBtn_ok = new QPushButton(widget);
        pushBtn_ok->setObjectName(QStringLiteral("pushBtn_ok"));
        pushBtn_cancel = new QPushButton(widget);
        pushBtn_cancel->setObjectName(QStringLiteral("pushBtn_cancel"));
        for (QPushButton *button : {pushBtn_ok, pushBtn_cancel}) {
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
            button->setMinimumWidth(93);
            button->setStyleSheet(buttonStyle);
        }
        gridLayout->addWidget(pushBtn_ok, 0, 1, 1, 1);
        gridLayout->addWidget(pushBtn_cancel, 0, 2, 1, 1);
        gridLayout_2->addWidget(widget, 2, 0, 1, 1);

        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *dialog)
    {
        dialog->setWindowTitle(QCoreApplication::translate("JXAlertDialog", "Dialog"));
        pushBtn_ok->setText(QCoreApplication::translate("JXAlertDialog", "Ok"));
        pushBtn_cancel->setText(QCoreApplication::translate("JXAlertDialog", "Cancel"));
    }
};

namespace Ui {
class JXAlertDialog : public Ui_JXAlertDialog
{
};
} // namespace Ui
