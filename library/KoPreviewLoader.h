#pragma once

#include <QPixmap>

class KoFileInfoModel;

// The thumbnail of a recording for the file list, loaded lazily from the
// recording's preview image file (written by the display that plays it) and
// shrunk to thumbnail size once. The loaded pixmap is kept in the recording,
// so it lives exactly as long as the recording does. GUI thread only.
class KoPreviewLoader
{
public:
    static constexpr int kThumbWidth = 80;
    static constexpr int kThumbHeight = 45;

    // Null while no preview image exists (the list then draws its default
    // thumbnail); a later call loads the file once it has been written.
    static QPixmap previewPixmap(KoFileInfoModel *recording);
};
