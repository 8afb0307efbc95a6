<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Dialog</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>No track read yet: the track is read when the recording plays.</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>The video engine (libmpv) could not be started. Tavrin Player will close.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Error</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
    <context>
        <name>JXTreeItemDelegate</name>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
    </context>
    <context>
        <name>KoAppSettingDialog</name>
        <message>
            <source>Current Version: </source>
            <translation>Current Version: </translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <source>OpenStreetMap</source>
            <translation>OpenStreetMap</translation>
        </message>
        <message>
            <source>Project page: %1</source>
            <translation>Project page: %1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>Questions and bug reports: the project page's tracker.</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>System Settings</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player: every camera of a drive, one timeline.</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>Version Info</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>Web site: %1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>Map service:</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italiano</translation>
        </message>
        <message>
            <source>抓拍路径</source>
            <translation>Snapshot folder</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>Snapshot folder:</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>The chosen folder cannot be written to. The snapshot folder was not changed.</translation>
        </message>
        <message>
            <source>百度地图</source>
            <translation>Baidu Maps</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>简体中文</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁体中文</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Español</translation>
        </message>
        <message>
            <source>语言设置：</source>
            <translation>Language:</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>Speed unit:</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>No recording was given.</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>The clip could not be moved into %1: %2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>The clip needs the ffmpeg program, which is not installed.</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>The disk of %1 is full: the clip was not saved.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>The folder %1 cannot be made.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>The folder %1 cannot be written to.</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>The folder %1 holds too many clips of this name.</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>The range %1 to %2 lies outside the recording (0:00.0 to %3).</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>The range is empty: its end must come after its start.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>The recording %1 cannot be found: it was moved or deleted.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>The recording %1 cannot be read.</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>The temporary folder %1 cannot be written.</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>The track could not be written into %1.</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg could not write the clip: %1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1, channels: %2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>Cancelled: nothing was saved.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Cancelling...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>Choose the folder for the clip</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Choose...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>Export clip</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>Export clip...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Exporting...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Folder</translation>
        </message>
        <message>
            <source>From</source>
            <translation>From</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>Left out, as they cannot be read: %1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>Length: %1 s</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>One video</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>Open folder</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>Reading the recording...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>Saved to %1.</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>Separate files</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>The files start up to %1 s before the in point, at a keyframe.</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>The recording holds no GPS track.</translation>
        </message>
        <message>
            <source>To</source>
            <translation>To</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
    </context>
    <context>
        <name>KoClipReadings</name>
        <message>
            <source>no GPS fix</source>
            <translation>no GPS fix</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Options:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Show the version and exit</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Show this help and exit</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Try '%1 --help' for more information.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Unknown option: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Usage: %1 [FILE or FOLDER]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
    </context>
    <context>
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>Harsh acceleration</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>Harsh braking</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>Impact</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>Sharp cornering</translation>
        </message>
    </context>
    <context>
        <name>KoPlaybackSpeed</name>
        <message>
            <source>%1x</source>
            <translation>%1x</translation>
        </message>
    </context>
    <context>
        <name>KoSnapshotTaker</name>
        <message>
            <source>The snapshot was not saved in the folder %1.</source>
            <translation>The snapshot was not saved in the folder %1.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>The snapshot was not saved: the disk of the folder %1 is full.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 already exists and was left unchanged.</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Export track</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Export track...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>The recording %1 cannot be read.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>The recording %1 holds no GPS track. Nothing was exported.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>The track could not be written to %1. Check that the folder exists and that you may write to it.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>Distance %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>Duration %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>Events %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>Top speed %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>Driving events: %1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>Recordings: %1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>The figures count only the recordings whose track has been read.</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>Trip: %1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>top speed %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>No sound output</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>No sound output: the sound device cannot be opened, recordings play without sound.</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>Settings cannot be saved: changes are lost when the player closes.</translation>
        </message>
        <message>
            <source>mov</source>
            <translation>mov</translation>
        </message>
        <message>
            <source>mp4</source>
            <translation>mp4</translation>
        </message>
        <message>
            <source>ts</source>
            <translation>ts</translation>
        </message>
        <message>
            <source>上一帧</source>
            <translation>Previous recording</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Next recording</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Latitude</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Full screen</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Full screen</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Switch view</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Open files</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Open folder</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Snapshot</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Snapshot</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Notice</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Play/Pause</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Zoom in</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Altitude</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>Add files</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Add folder</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Clear list</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>Clear the file list?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Longitude</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Zoom out</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Mute</translation>
        </message>
    </context>
</TS>
