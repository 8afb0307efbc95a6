#include "widgets/KoAppSettingDialog.h"

#include "app/KoLogging.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoTitleBar.h"
#include "widgets/ui_KoAppSettingDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QListView>
#include <QTemporaryFile>

namespace {

// By map type (the stored value).
const char *const kMapNames[] = {
    QT_TRANSLATE_NOOP("KoAppSettingDialog", "谷歌地图"),
    QT_TRANSLATE_NOOP("KoAppSettingDialog", "百度地图"),
    QT_TRANSLATE_NOOP("KoAppSettingDialog", "OpenStreetMap"),
};

void fillCombo(QComboBox *combo, const QStringList &items, int current)
{
    // A plain list view, so that the style sheet's item rules (height,
    // indent, selection colour) apply to the popup rows.
    combo->setView(new QListView(combo));
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(current);
}

} // namespace

KoAppSettingDialog::KoAppSettingDialog(std::function<void(bool)> onSettingChanged, QWidget *parent)
    : KoBasicDialog(parent)
    , ui(new Ui::KoAppSettingDialog)
    , m_onSettingChanged(std::move(onSettingChanged))
{
    ui->setupUi(this);
    initTitleBar();
    m_titleBar->setTransparentStyle();
    initData();
}

KoAppSettingDialog::~KoAppSettingDialog() = default;

void KoAppSettingDialog::initData()
{
    m_initializing = true;
    auto *settings = JXDefaultSettings::instance();
    showSnapDir(settings->getSnapDir());

    QStringList languages;
    for (const JXLanguageEntry &entry : g_languageTable)
        languages << tr(entry.itemText);
    fillCombo(ui->comboBox_language, languages, settings->getLanguage());

    QStringList maps;
    for (const char *name : kMapNames)
        maps << tr(name);
    fillCombo(ui->comboBox_map, maps, int(settings->getMapType()));

    fillCombo(ui->comboBox_unit, {QStringLiteral("KM/H"), QStringLiteral("MPH")},
              int(settings->getSpeedUnit()));

    ui->textBrowser_velmor->show();
    ui->textBrowser_pellira->hide();
    m_initializing = false;
}

void KoAppSettingDialog::showSnapDir(const QString &dir)
{
    ui->lineEdit_snapDir->setText(dir);
    ui->lineEdit_snapDir->setToolTip(dir);
}

void KoAppSettingDialog::on_comboBox_language_currentIndexChanged(int index)
{
    if (m_initializing || index < 0)
        return;
    auto *settings = JXDefaultSettings::instance();
    if (settings->getLanguage() == index)
        return;
    settings->setLanguage(index);
    // Reloading the installed translator makes Qt send every window a
    // language change; changeEvent rebuilds this dialog's texts then.
    loadTranslator(index);
}

void KoAppSettingDialog::on_comboBox_map_currentIndexChanged(int index)
{
    if (m_initializing || index < 0)
        return;
    JXDefaultSettings::instance()->setMapType(KoMapType(ui->comboBox_map->currentIndex()));
    if (m_onSettingChanged)
        m_onSettingChanged(true);
}

void KoAppSettingDialog::on_comboBox_unit_currentIndexChanged(int index)
{
    if (m_initializing || index < 0)
        return;
    JXDefaultSettings::instance()->setSpeedUnit(KoSpeedUnit(ui->comboBox_unit->currentIndex()));
    if (m_onSettingChanged)
        m_onSettingChanged(false);
}

void KoAppSettingDialog::on_pushBtn_selectSnapDir_clicked()
{
    const QString current = JXDefaultSettings::instance()->getSnapDir();
    applySnapDir(QFileDialog::getExistingDirectory(
        this, tr("抓拍路径"), current, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks));
}

bool KoAppSettingDialog::isWritableDir(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".tavrin-write-test-XXXXXX")));
    return probe.open();
}

bool KoAppSettingDialog::applySnapDir(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!isWritableDir(path)) {
        qCInfo(lcUi) << "the snapshot folder cannot be written:" << path;
        // Not modal to the application: the settings stay usable, and a test
        // can read and close the message.
        auto *box = new JXAlertDialog(this);
        box->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setTitle(tr("抓拍路径"));
        box->setMessage(tr("无法写入所选文件夹，抓拍路径未更改。"));
        if (auto *cancel = box->findChild<QWidget *>(QStringLiteral("pushBtn_cancel")))
            cancel->hide();
        // The box is sized for one or two lines; grow it to the wrapped message.
        if (QLayout *layout = box->layout())
            box->resize(box->width(), qMax(box->height(), layout->totalHeightForWidth(box->width())));
        box->open();
        return false;
    }
    showSnapDir(path);
    JXDefaultSettings::instance()->setSnapDir(ui->lineEdit_snapDir->text());
    return true;
}

void KoAppSettingDialog::on_textBrowser_pellira_anchorClicked(const QUrl &arg1)
{
    QDesktopServices::openUrl(arg1);
}

void KoAppSettingDialog::on_textBrowser_velmor_anchorClicked(const QUrl &arg1)
{
    QDesktopServices::openUrl(arg1);
}

void KoAppSettingDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        initData();
    }
    KoBasicDialog::changeEvent(event);
}
