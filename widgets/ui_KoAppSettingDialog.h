#pragma once

#include "widgets/KoCustomComboBox.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

// Form of KoAppSettingDialog: the system settings (language, map, speed unit,
// snapshot folder) above the version panel. Positions are fixed; the dialog
// is 420 x 520.
class Ui_KoAppSettingDialog
{
public:
    QLabel *label_bg = nullptr;
    QGroupBox *groupBox_2 = nullptr;
    QLabel *label_9 = nullptr;
    KoCustomComboBox *comboBox_language = nullptr;
    QLabel *label = nullptr;
    QLabel *label_10 = nullptr;
    KoCustomComboBox *comboBox_map = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_11 = nullptr;
    KoCustomComboBox *comboBox_unit = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_6 = nullptr;
    QLineEdit *lineEdit_snapDir = nullptr;
    QLabel *label_4 = nullptr;
    QPushButton *pushBtn_selectSnapDir = nullptr;
    QLabel *label_5 = nullptr;
    QGroupBox *groupBox_version = nullptr;
    QTextBrowser *textBrowser_velmor = nullptr;
    QTextBrowser *textBrowser_pellira = nullptr;

    // A neutral page standing for the program's project site.
    static QString projectPage() { return QStringLiteral("https://example.org/tavrin-player"); }

    void setupUi(QDialog *dialog)
    {
        if (dialog->objectName().isEmpty())
            dialog->setObjectName(QStringLiteral("KoAppSettingDialog"));
        dialog->resize(420, 520);
        dialog->setStyleSheet(QStringLiteral("\nbackground-color: rgb(12,13, 34);\n"
                                             "border-width: 0px;\n"
                                             "border-style: solid;\n"
                                             "/*border-color: rgb(51, 51, 51);*/"));

        const QString sectionStyle = QStringLiteral("color: #FFFFFF;\n"
                                                    "background-color: rgba(0,0,0,0);\n"
                                                    "border-color: rgba(51, 51, 51,0);\n"
                                                    "font: 13px \"Tahoma\";");
        const QString lineStyle = QStringLiteral("background-color: rgba(255, 255, 255, 0);\n"
                                                 "border-color: rgba(0,0,0,0);\n"
                                                 "image: url(:/images/images/hline_white.png);");
        const QString browserStyle = QStringLiteral("color: #FFFFFF;\n"
                                                    "background-color: rgba(0,0,0,0);\n"
                                                    "border-color: rgba(51, 51, 51,0);\n"
                                                    "font: 13px \"Tahoma\";");
        const QString comboStyle = QStringLiteral("QComboBox {\n"
                                                  "color: #FFFFFF;\n"
                                                  "background-color: rgba(255, 255, 255, 65);\n"
                                                  "border-radius: 13px;\n"
                                                  "font: 13px \"Tahoma\";\n"
                                                  "min-height: 28px;\n"
                                                  "min-width: 60px;\n"
                                                  "padding-left: 12px;\n"
                                                  "}\n"
                                                  "QComboBox::drop-down {\n"
                                                  "subcontrol-origin: padding;\n"
                                                  "subcontrol-position: top right;\n"
                                                  "width: 25px;\n"
                                                  "border: none;\n"
                                                  "}\n"
                                                  "QComboBox::down-arrow {\n"
                                                  "image: url(:/images/images/icon_set_dropdown.png);\n"
                                                  "}\n"
                                                  "QComboBox QAbstractItemView {\n"
                                                  "background-color: rgb(21,39, 79);\n"
                                                  "outline: 0px;\n"
                                                  "color: #FFFFFF;\n"
                                                  "}\n"
                                                  "QComboBox QAbstractItemView::item {\n"
                                                  "min-height: 28px;\n"
                                                  "color: #FFFFFF;\n"
                                                  "background-color: rgba(0,0,0,0);\n"
                                                  "padding-left: 12px;\n"
                                                  "}\n"
                                                  "QComboBox QAbstractItemView::item:selected {\n"
                                                  "background-color: rgb(36,46, 75);\n"
                                                  "}");

        label_bg = new QLabel(dialog);
        label_bg->setObjectName(QStringLiteral("label_bg"));
        label_bg->setGeometry(0, 0, 420, 520);
        label_bg->setStyleSheet(QStringLiteral("border-image: url(:/images/images/setting_shadow.png);"));

        groupBox_2 = new QGroupBox(dialog);
        groupBox_2->setObjectName(QStringLiteral("groupBox_2"));
        groupBox_2->setGeometry(20, 30, 381, 321);
        groupBox_2->setAlignment(Qt::AlignHCenter);
        groupBox_2->setStyleSheet(QStringLiteral("QGroupBox {\n"
                                                 "color: #FFFFFF;\n"
                                                 "font: 20px \"Tahoma\";\n"
                                                 "background-color: rgba(0,0,0,0);\n"
                                                 "border: none;\n"
                                                 "}\n"
                                                 "QGroupBox::title {\n"
                                                 "subcontrol-origin: margin;\n"
                                                 "subcontrol-position: top center;\n"
                                                 "}"));

        auto section = [&](QLabel *&label, const char *name, int x, int y, int w, int h) {
            label = new QLabel(groupBox_2);
            label->setObjectName(QLatin1String(name));
            label->setGeometry(x, y, w, h);
            label->setStyleSheet(sectionStyle);
            label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        };
        auto separator = [&](QLabel *&label, QWidget *parent, const char *name, int x, int y) {
            label = new QLabel(parent);
            label->setObjectName(QLatin1String(name));
            label->setGeometry(x, y, 383, 10);
            label->setStyleSheet(lineStyle);
        };
        auto combo = [&](KoCustomComboBox *&box, const char *name, int x, int y) {
            box = new KoCustomComboBox(groupBox_2);
            box->setObjectName(QLatin1String(name));
            box->setGeometry(x, y, 361, 28);
            box->setMinimumSize(60, 28);
            box->setFocusPolicy(Qt::ClickFocus);
            box->setStyleSheet(comboStyle);
        };

        section(label_9, "label_9", 18, 35, 291, 30);
        combo(comboBox_language, "comboBox_language", 10, 65);
        separator(label, groupBox_2, "label", -2, 95);
        section(label_10, "label_10", 18, 105, 291, 30);
        combo(comboBox_map, "comboBox_map", 8, 135);
        separator(label_2, groupBox_2, "label_2", 0, 165);
        section(label_11, "label_11", 18, 178, 291, 30);
        combo(comboBox_unit, "comboBox_unit", 10, 208);
        separator(label_3, groupBox_2, "label_3", 0, 238);
        section(label_6, "label_6", 20, 250, 271, 28);

        lineEdit_snapDir = new QLineEdit(groupBox_2);
        lineEdit_snapDir->setObjectName(QStringLiteral("lineEdit_snapDir"));
        lineEdit_snapDir->setGeometry(20, 280, 315, 28);
        lineEdit_snapDir->setEnabled(false);
        lineEdit_snapDir->setStyleSheet(QStringLiteral("QLineEdit {\n"
                                                       "background-color: rgba(0,0,0,0);\n"
                                                       "border-radius: 14px;\n"
                                                       "color: #FFFFFF;\n"
                                                       "font: 13px \"Tahoma\";\n"
                                                       "}"));

        label_4 = new QLabel(groupBox_2);
        label_4->setObjectName(QStringLiteral("label_4"));
        label_4->setGeometry(333, 280, 51, 28);
        label_4->setStyleSheet(QStringLiteral("image: url(:/images/images/icon_set_dropdown.png);\n"
                                              "background-color: rgba(0,0,0,0);"));

        // Lies over the line edit and the marker, so the whole row is the button.
        pushBtn_selectSnapDir = new QPushButton(groupBox_2);
        pushBtn_selectSnapDir->setObjectName(QStringLiteral("pushBtn_selectSnapDir"));
        pushBtn_selectSnapDir->setGeometry(10, 280, 361, 28);
        pushBtn_selectSnapDir->setStyleSheet(QStringLiteral("QPushButton {\n"
                                                            "background-color: rgba(255, 255, 255, 65);\n"
                                                            "border-radius: 13px;\n"
                                                            "}"));
        pushBtn_selectSnapDir->raise();

        separator(label_5, dialog, "label_5", 20, 377);

        groupBox_version = new QGroupBox(dialog);
        groupBox_version->setObjectName(QStringLiteral("groupBox_version"));
        groupBox_version->setGeometry(30, 360, 361, 171);
        groupBox_version->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        groupBox_version->setStyleSheet(QStringLiteral("QGroupBox {\n"
                                                       "color: #FFFFFF;\n"
                                                       "font: 13px \"Tahoma\";\n"
                                                       "background-color: rgba(0,0,0,0);\n"
                                                       "border: none;\n"
                                                       "}"));

        auto browser = [&](QTextBrowser *&view, const char *name, int w) {
            view = new QTextBrowser(groupBox_version);
            view->setObjectName(QLatin1String(name));
            view->setGeometry(10, 30, w, 141);
            view->setStyleSheet(browserStyle);
            view->setFrameShape(QFrame::NoFrame);
            view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // Clicks only report the link; the dialog opens it.
            view->setOpenLinks(false);
            view->setOpenExternalLinks(true);
        };
        browser(textBrowser_velmor, "textBrowser_velmor", 351);
        browser(textBrowser_pellira, "textBrowser_pellira", 331);
        textBrowser_pellira->setContextMenuPolicy(Qt::NoContextMenu);

        retranslateUi(dialog);
        QMetaObject::connectSlotsByName(dialog);
    }

    void retranslateUi(QDialog *dialog)
    {
        dialog->setWindowTitle(QString());
        groupBox_2->setTitle(QCoreApplication::translate("KoAppSettingDialog", "System Setting"));
        label_9->setText(QCoreApplication::translate("KoAppSettingDialog", "语言设置："));
        label_10->setText(QCoreApplication::translate("KoAppSettingDialog", "地图选择："));
        label_11->setText(QCoreApplication::translate("KoAppSettingDialog", "速度单位："));
        label_6->setText(QCoreApplication::translate("KoAppSettingDialog", "抓拍路径："));
        groupBox_version->setTitle(QCoreApplication::translate("KoAppSettingDialog", "Version Info"));

        // Shown without the scheme, so that it fits one line in every language.
        const QString link = QStringLiteral("<a style=\"color:#12fdfe;\" href=\"%1\">%2</a>")
                                 .arg(projectPage(), QUrl(projectPage()).toString(QUrl::RemoveScheme).mid(2));
        textBrowser_velmor->setHtml(paragraphs(
            {QCoreApplication::translate("KoAppSettingDialog", "Current Version: ") +
                 QStringLiteral(TAVRIN_VERSION_TEXT),
             QString(),
             QCoreApplication::translate("KoAppSettingDialog",
                                         "Tavrin Player plays dash-camera recordings "
                                         "together with their route, speed and G-sensor track.")
                 .toHtmlEscaped(),
             QString(), QCoreApplication::translate("KoAppSettingDialog", "Project page: %1").arg(link)}));
        textBrowser_pellira->setHtml(paragraphs(
            {QCoreApplication::translate("KoAppSettingDialog",
                                         "Tavrin Player: every camera of a drive, one timeline.")
                 .toHtmlEscaped(),
             QString(), QCoreApplication::translate("KoAppSettingDialog", "Web site: %1").arg(link),
             QCoreApplication::translate("KoAppSettingDialog",
                                         "Questions and bug reports: the project page's tracker.")
                 .toHtmlEscaped()}));
    }

private:
    static QString paragraphs(const QStringList &lines)
    {
        QString html = QStringLiteral("<html><body style=\"font-size:13px;\">");
        for (const QString &line : lines)
            html += QStringLiteral("<p style=\"margin:0;\">%1</p>")
                        .arg(line.isEmpty() ? QStringLiteral("&nbsp;") : line);
        return html + QStringLiteral("</body></html>");
    }
};

namespace Ui {
class KoAppSettingDialog : public Ui_KoAppSettingDialog
{
};
} // namespace Ui
