#include "widgets/KoClipExportDialog.h"

#include "app/JXDefaultSettings.h"
#include "app/KoLogging.h"
#include "library/KoMediaProbe.h"
#include "library/KoTrips.h"
#include "widgets/KoTitleBar.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Until the recording's length is known, the range is held only at 0.
constexpr double kUnknownLength = 1e9;

const char *const kStyle =
    "KoClipExportDialog { background-color: rgb(12, 13, 34); }\n"
    "QLabel, QRadioButton { color: #FFFFFF; font: 13px; background: transparent; }\n"
    "QLabel#heading { font: bold 17px; }\n"
    "QLabel#status, QLabel#description { color: #C8D2F0; }\n"
    "QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px;"
    " border: 1px solid rgba(255, 255, 255, 170); background: transparent; }\n"
    "QRadioButton::indicator:checked { background-color: rgb(40, 110, 220); border-color: rgb(120, 170, "
    "255); }\n"
    "QDoubleSpinBox, QLineEdit { color: #FFFFFF; background-color: rgba(255, 255, 255, 40);"
    " border: 1px solid rgba(255, 255, 255, 60); border-radius: 4px; padding: 3px 6px;"
    " font: 13px; }\n"
    "QPushButton { color: #FFFFFF; background-color: rgba(255, 255, 255, 65);"
    " border: none; border-radius: 13px; min-height: 26px; padding: 0 16px; font: 13px; }\n"
    "QPushButton:hover { background-color: rgba(255, 255, 255, 95); }\n"
    "QPushButton:disabled { color: rgba(255, 255, 255, 90); }\n"
    "QPushButton#export { background-color: rgb(40, 110, 220); }\n"
    "QProgressBar { color: #FFFFFF; background-color: rgba(255, 255, 255, 30);"
    " border: none; border-radius: 6px; text-align: center; min-height: 20px; }\n"
    "QProgressBar::chunk { background-color: rgb(40, 110, 220); border-radius: 6px; }\n";

} // namespace

KoClipExportDialog *KoClipExportDialog::exportClip(QWidget *parent, const Source &source)
{
    auto *dialog = new KoClipExportDialog(source, parent);
    dialog->open();
    return dialog;
}

QString KoClipExportDialog::menuText()
{
    return tr("Export clip...");
}

KoClipExportDialog::KoClipExportDialog(const Source &source, QWidget *parent)
    : KoBasicDialog(parent)
    , m_source(source)
{
    initTitleBar();
    m_titleBar->setTransparentStyle();
    setObjectName(QStringLiteral("KoClipExportDialog"));
    setStyleSheet(QLatin1String(kStyle));
    buildForm();
    setRange(KoClipRange::initial(source.position, kUnknownLength, source.markIn, source.markOut));
    setFolder(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
    // Typing starts at the range; Return exports from there.
    m_from->setFocus();
    learnDuration();
}

KoClipExportDialog::~KoClipExportDialog()
{
    m_cancel = true;
    for (QThread *thread : {m_worker, m_prober}) {
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

void KoClipExportDialog::buildForm()
{
    resize(560, 470);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, KoTitleBar::kHeight, 24, 20);
    layout->setSpacing(12);

    auto *heading = new QLabel(tr("Export clip"), this);
    heading->setObjectName(QStringLiteral("heading"));
    layout->addWidget(heading);
    const QString name =
        m_source.channels.isEmpty() ? QString() : QFileInfo(m_source.channels.first()).fileName();
    m_recording = new QLabel(tr("%1, channels: %2").arg(name).arg(m_source.channels.size()), this);
    layout->addWidget(m_recording);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    auto spin = [this](const char *objectName) {
        auto *box = new QDoubleSpinBox(this);
        box->setObjectName(QLatin1String(objectName));
        box->setDecimals(1);
        box->setRange(0, kUnknownLength);
        box->setSingleStep(1);
        // The unit of seconds, after a space.
        box->setSuffix(QLatin1Char(' ') + tr("s"));
        box->setMinimumWidth(110);
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [this] { showLength(); });
        return box;
    };
    m_from = spin("from");
    m_to = spin("to");
    m_length = new QLabel(this);
    grid->addWidget(new QLabel(tr("From"), this), 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(new QLabel(tr("To"), this), 0, 2);
    grid->addWidget(m_to, 0, 3);
    grid->addWidget(m_length, 0, 4);
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);

    // Each kind with what it gives below it.
    auto kind = [this, layout](const QString &name, const QString &description) {
        auto *button = new QRadioButton(name, this);
        auto *text = new QLabel(description, this);
        text->setObjectName(QStringLiteral("description"));
        text->setWordWrap(true);
        text->setContentsMargins(24, 0, 0, 0);
        auto *pair = new QVBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(button);
        pair->addWidget(text);
        layout->addLayout(pair);
        return button;
    };
    m_separate =
        kind(tr("Separate files"), tr("Every channel in its original quality, cut without re-encoding, "
                                      "with the track as GPX and CSV, in a new folder."));
    m_oneVideo =
        kind(tr("One video"), tr("The channels side by side with the camera time, speed, position and "
                                 "G-sensor burned in (H.264, MP4)."));
    m_separate->setChecked(true);

    auto *folderRow = new QHBoxLayout;
    m_folder = new QLineEdit(this);
    m_choose = new QPushButton(tr("Choose..."), this);
    connect(m_choose, &QPushButton::clicked, this, &KoClipExportDialog::chooseFolder);
    folderRow->addWidget(new QLabel(tr("Folder"), this));
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_choose);
    layout->addLayout(folderRow);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status, 1);

    auto *buttons = new QHBoxLayout;
    m_open = new QPushButton(tr("Open folder"), this);
    m_open->hide();
    connect(m_open, &QPushButton::clicked, this, [this] {
        const QFileInfo written(m_result.path);
        QDesktopServices::openUrl(QUrl::fromLocalFile(written.isDir() ? written.filePath() : written.path()));
    });
    m_export = new QPushButton(tr("Export"), this);
    m_export->setObjectName(QStringLiteral("export"));
    m_export->setDefault(true);
    connect(m_export, &QPushButton::clicked, this, &KoClipExportDialog::startExport);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    connect(m_cancelButton, &QPushButton::clicked, this, &KoClipExportDialog::cancelOrClose);
    buttons->addWidget(m_open);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);
}

// The length of the recording and of the next one when it follows on, read
// off the GUI thread; until then the range is held only at 0.
void KoClipExportDialog::learnDuration()
{
    if (m_source.channels.isEmpty())
        return;
    m_export->setEnabled(false);
    m_status->setText(tr("Reading the recording..."));
    const Source source = m_source;
    m_prober = QThread::create([this, source] {
        QVector<KoMediaProbe::Query> queries{{QFileInfo(source.channels.first()).absoluteFilePath(), 0, -1}};
        if (!source.nextChannels.isEmpty())
            queries.append({QFileInfo(source.nextChannels.first()).absoluteFilePath(), 0, -1});
        const QVector<KoMediaProbe::Info> infos = KoMediaProbe::probe(queries, &m_cancel);
        double total = infos[0].ok ? infos[0].duration : 0;
        if (total > 0 && infos.size() > 1 && infos[1].ok &&
            KoTrips::followsOn(source.channels.first(), total, source.nextChannels.first()))
            total += infos[1].duration;
        QMetaObject::invokeMethod(
            this,
            [this, total] {
                m_prober->wait();
                delete m_prober;
                m_prober = nullptr;
                m_total = total;
                m_export->setEnabled(true);
                m_status->clear();
                if (total > 0) {
                    m_from->setMaximum(total);
                    m_to->setMaximum(total);
                    setRange(
                        KoClipRange::initial(m_source.position, total, m_source.markIn, m_source.markOut));
                } else {
                    // The export says why.
                    qCInfo(lcUi) << "clip export: the length of" << m_source.channels.first() << "is unknown";
                }
                emit durationKnown();
            },
            Qt::QueuedConnection);
    });
    m_prober->start();
}

KoClipRange::Span KoClipExportDialog::range() const
{
    return KoClipRange::Span{m_from->value(), m_to->value()};
}

void KoClipExportDialog::setRange(KoClipRange::Span range)
{
    m_from->setValue(range.from);
    m_to->setValue(range.to);
    showLength();
}

QString KoClipExportDialog::folder() const
{
    return m_folder->text();
}

void KoClipExportDialog::setFolder(const QString &folder)
{
    m_folder->setText(QDir::toNativeSeparators(folder));
}

bool KoClipExportDialog::oneVideo() const
{
    return m_oneVideo->isChecked();
}

void KoClipExportDialog::setOneVideo(bool oneVideo)
{
    (oneVideo ? m_oneVideo : m_separate)->setChecked(true);
}

void KoClipExportDialog::showLength()
{
    // In the number format of the spin boxes beside it.
    m_length->setText(tr("Length: %1 s").arg(locale().toString(range().length(), 'f', 1)));
}

void KoClipExportDialog::chooseFolder()
{
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Choose the folder for the clip"), folder());
    if (!chosen.isEmpty())
        setFolder(chosen);
}

void KoClipExportDialog::setRunning(bool running)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_from, m_to, m_separate, m_oneVideo, m_folder, m_choose, m_export})
        w->setEnabled(!running);
    m_cancelButton->setText(tr("Cancel"));
}

void KoClipExportDialog::startExport()
{
    if (m_worker || m_prober)
        return;
    KoClipExport::Request request;
    request.channels = m_source.channels;
    request.nextChannels = m_source.nextChannels;
    request.from = m_from->value();
    request.to = m_to->value();
    request.folder = QDir::fromNativeSeparators(folder().trimmed());
    request.oneVideo = oneVideo();
    request.mph = JXDefaultSettings::instance()->getSpeedUnit() == KoSpeedUnit::MilesPerHour;
    m_cancel = false;
    m_open->hide();
    m_progress->setValue(0);
    m_status->setText(tr("Exporting..."));
    setRunning(true);
    qCInfo(lcUi) << "clip export of" << request.channels.value(0) << request.from << "to" << request.to
                 << (request.oneVideo ? "as one video" : "as separate files") << "into" << request.folder;
    QProgressBar *bar = m_progress;
    m_worker = QThread::create([this, request, bar] {
        const KoClipExport::Result result = KoClipExport::run(
            request,
            [bar](double fraction) {
                QMetaObject::invokeMethod(
                    bar, [bar, fraction] { bar->setValue(qRound(fraction * 1000)); }, Qt::QueuedConnection);
            },
            &m_cancel);
        if (!m_closing)
            QMetaObject::invokeMethod(
                this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
    m_worker->start();
}

void KoClipExportDialog::finish(const KoClipExport::Result &result)
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    m_result = result;
    setRunning(false);
    QStringList lines;
    switch (result.status) {
    case KoClipExport::Ok:
        m_progress->setValue(m_progress->maximum());
        lines << tr("Saved to %1.").arg(QDir::toNativeSeparators(result.path));
        if (result.backOff >= 0.05 && !oneVideo())
            lines << tr("The files start up to %1 s before the in point, at a keyframe.")
                         .arg(result.backOff, 0, 'f', 1);
        if (!result.hasTrack)
            lines << tr("The recording holds no GPS track.");
        if (!result.leftOut.isEmpty())
            lines
                << tr("Left out, as they cannot be read: %1").arg(result.leftOut.join(QStringLiteral(", ")));
        m_open->show();
        m_cancelButton->setText(tr("Close"));
        break;
    case KoClipExport::Cancelled:
        m_progress->setValue(0);
        lines << tr("Cancelled: nothing was saved.");
        break;
    default:
        m_progress->setValue(0);
        lines << result.message;
        break;
    }
    m_status->setText(lines.join(QLatin1Char('\n')));
    emit exportFinished(int(result.status));
}

void KoClipExportDialog::cancelOrClose()
{
    if (m_worker) {
        m_cancel = true;
        m_status->setText(tr("Cancelling..."));
        return;
    }
    close();
}

void KoClipExportDialog::reject()
{
    if (m_worker)
        cancelOrClose();
    else
        KoBasicDialog::reject();
}

void KoClipExportDialog::closeEvent(QCloseEvent *event)
{
    // A running export is cancelled (ffmpeg is stopped within a tenth of a
    // second) and leaves nothing behind.
    m_closing = true;
    m_cancel = true;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    KoBasicDialog::closeEvent(event);
}
