#include "library/KoPreviewLoader.h"

#include "library/KoFileInfoModel.h"

#include <QDebug>
#include <QFileInfo>
#include <QSaveFile>

QPixmap KoPreviewLoader::previewPixmap(KoFileInfoModel *recording)
{
    if (!recording)
        return QPixmap();
    const QVariant kept = recording->previewPixmap();
    if (kept.userType() == QMetaType::QPixmap) {
        const QPixmap pixmap = kept.value<QPixmap>();
        if (!pixmap.isNull())
            return pixmap;
    }

    const QString path = recording->previewPath();
    if (!QFileInfo::exists(path))
        return QPixmap();

    QPixmap pixmap(path);
    if (pixmap.isNull())
        return QPixmap();

    // A full frame is shrunk once and stored back shrunk, so that later runs
    // load the small image.
    if (pixmap.width() > 90 || pixmap.height() > 50) {
        pixmap = pixmap.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QSaveFile file(path);
        const QByteArray format = QFileInfo(path).suffix().toLatin1();
        if (!file.open(QIODevice::WriteOnly) || !pixmap.save(&file, format.constData()) || !file.commit())
            qWarning() << "KoPreviewLoader::previewPixmap" << __LINE__ << "cannot store" << path
                       << file.errorString();
    }
    recording->setPreviewPixmap(QVariant::fromValue(pixmap));
    return pixmap;
}
