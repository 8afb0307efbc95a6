#pragma once

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QWidget>

// Form of KoCoverWidget: the logo panel over the idle video area.
class Ui_KoCoverWidget
{
public:
    QWidget *widget_tmp = nullptr;
    QGridLayout *gridLayout_4 = nullptr;
    QLabel *label_icon_4 = nullptr;
    QWidget *widget_tmp_oasser = nullptr;
    QGridLayout *gridLayout_6 = nullptr;
    QLabel *label_icon_5 = nullptr;
    QLabel *label_icon_6 = nullptr;

    void setupUi(QWidget *cover)
    {
        if (cover->objectName().isEmpty())
            cover->setObjectName(QStringLiteral("KoCoverWidget"));
        cover->resize(802, 584);
        cover->setStyleSheet(QStringLiteral("QWidget#KoCoverWidget {\nbackground-color: rgb(0, 0, 0);\n}\n"));

        widget_tmp = new QWidget(cover);
        widget_tmp->setObjectName(QStringLiteral("widget_tmp"));
        widget_tmp->setGeometry(QRect(360, 0, 441, 401));
        gridLayout_4 = new QGridLayout(widget_tmp);
        gridLayout_4->setObjectName(QStringLiteral("gridLayout_4"));
        label_icon_4 = new QLabel(widget_tmp);
        label_icon_4->setObjectName(QStringLiteral("label_icon_4"));
        label_icon_4->setStyleSheet(QStringLiteral("image: url(:/images/images/display_logo.png);\n"
                                                   "background-color: rgba(0,0,0,0);"));
        gridLayout_4->addWidget(label_icon_4, 0, 0, 1, 1);

        widget_tmp_oasser = new QWidget(cover);
        widget_tmp_oasser->setObjectName(QStringLiteral("widget_tmp_oasser"));
        widget_tmp_oasser->setGeometry(QRect(0, 80, 651, 361));
        widget_tmp_oasser->setStyleSheet(QStringLiteral("background-color: #d7d6d6;"));
        gridLayout_6 = new QGridLayout(widget_tmp_oasser);
        gridLayout_6->setObjectName(QStringLiteral("gridLayout_6"));
        gridLayout_6->setVerticalSpacing(6);
        const QMargins margins = gridLayout_6->contentsMargins();
        gridLayout_6->setContentsMargins(0, margins.top(), 0, margins.bottom());
        gridLayout_6->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 0, 1,
                              1);
        label_icon_5 = new QLabel(widget_tmp_oasser);
        label_icon_5->setObjectName(QStringLiteral("label_icon_5"));
        label_icon_5->setFixedHeight(110);
        label_icon_5->setStyleSheet(QStringLiteral("image: url(:/images/images/display_logo.png);"));
        gridLayout_6->addWidget(label_icon_5, 1, 0, 1, 1);
        label_icon_6 = new QLabel(widget_tmp_oasser);
        label_icon_6->setObjectName(QStringLiteral("label_icon_6"));
        label_icon_6->setFixedHeight(30);
        label_icon_6->setStyleSheet(QStringLiteral("image: url(:/images/images/display_logo_bottom.png);\n"
                                                   "background-color: rgb(0,0,0);"));
        gridLayout_6->addWidget(label_icon_6, 2, 0, 1, 1);
        gridLayout_6->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 3, 0, 1,
                              1);

        retranslateUi(cover);
        QMetaObject::connectSlotsByName(cover);
    }

    void retranslateUi(QWidget *cover)
    {
        cover->setWindowTitle(QCoreApplication::translate("KoCoverWidget", "Form"));
    }
};

namespace Ui {
class KoCoverWidget : public Ui_KoCoverWidget
{
};
} // namespace Ui
