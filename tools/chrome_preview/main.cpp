// Shows the window chrome together, for looking at it: a frameless window
// with the title bar, the idle cover, the file list buttons, a combo box and
// a question box over it.
//
//   chrome_preview [language index 0..7] [--no-question]

#include "app/JXLanguage.h"
#include "app/JXPlatform.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoBasicWidget.h"
#include "widgets/KoCoverWidget.h"
#include "widgets/KoCustomComboBox.h"
#include "widgets/KoCustomPushButton.h"
#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class PreviewWindow : public KoBasicWidget
{
public:
    PreviewWindow()
    {
        setObjectName(QStringLiteral("PreviewWindow"));
        setStyleSheet(QStringLiteral("QWidget#PreviewWindow { background-color: rgb(0,0,0); }"));
        setAttribute(Qt::WA_StyledBackground);
        resize(1035, 665);

        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, KoTitleBar::kHeight, 0, 0);
        layout->setSpacing(0);
        auto *cover = new KoCoverWidget(this);
        layout->addWidget(cover, 1);

        auto *tools = new QWidget(this);
        tools->setObjectName(QStringLiteral("tools"));
        tools->setStyleSheet(QStringLiteral("QWidget#tools { background-color: rgb(12, 13, 34); }"));
        tools->setFixedHeight(48);
        auto *row = new QHBoxLayout(tools);
        const char *icons[] = {"file_add_file.png", "file_add_dir.png", "file_clear.png"};
        const char *texts[] = {QT_TRANSLATE_NOOP("VelmorMainWidget", "添加文件"),
                               QT_TRANSLATE_NOOP("VelmorMainWidget", "添加文件夹"),
                               QT_TRANSLATE_NOOP("VelmorMainWidget", "清空列表")};
        for (int i = 0; i < 3; ++i) {
            auto *button = new KoCustomPushButton(tools);
            button->setMinimumHeight(34);
            button->setStyleSheet(QStringLiteral("background-color: transparent; border: none;"));
            button->setIconImage(QLatin1String(icons[i]));
            button->setButtonText(QCoreApplication::translate("VelmorMainWidget", texts[i]));
            row->addWidget(button);
        }
        auto *combo = new KoCustomComboBox(tools);
        combo->addItems({QStringLiteral("KM/H"), QStringLiteral("MPH")});
        combo->setFixedWidth(160);
        combo->setStyleSheet(
            QStringLiteral("QComboBox { color: white; background-color: rgba(255,255,255,65);"
                           " border-radius: 13px; padding-left: 12px; min-height: 28px; }"
                           "QComboBox::drop-down { width: 25px; border: none; }"
                           "QComboBox::down-arrow { image: url(:/images/images/icon_set_dropdown.png); }"));
        row->addWidget(combo);
        layout->addWidget(tools);

        initTitleBar();
    }
};

} // namespace

int main(int argc, char **argv)
{
    preparePlatformBeforeApplication();
    QApplication app(argc, argv);
    preparePlatformAfterApplication();
    const QStringList args = app.arguments();
    int language = args.size() > 1 ? args[1].toInt() : 2;
    loadTranslator(language);
    QCoreApplication::installTranslator(&g_translator);

    PreviewWindow window;
    window.move(40, 30);
    window.show();
    if (args.contains(QStringLiteral("--no-question")))
        return app.exec();
    QTimer::singleShot(300, &window, [&window] {
        JXAlertDialog::question(&window, QCoreApplication::translate("VelmorMainWidget", "提示"),
                                QCoreApplication::translate("VelmorMainWidget", "确定要清空文件列表？"));
    });
    return app.exec();
}
