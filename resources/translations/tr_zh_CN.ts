<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>对话框</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确认</translation>
        </message>
    </context>
    <context>
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>尚未读取轨迹：播放该录像时读取轨迹。</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>无法启动视频引擎（libmpv），播放器将关闭。</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>错误</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
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
            <translation>当前版本：</translation>
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
            <translation>项目主页：%1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>问题与错误报告：请使用项目主页上的问题跟踪。</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>系统设置</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player 播放行车记录仪录像，并同步显示行驶路线、速度和重力感应数据。</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player：一次行程的所有摄像头，一条时间线。</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>版本信息</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>网站：%1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>地图选择：</translation>
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
            <translation>抓拍路径</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>抓拍路径：</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>无法写入所选文件夹，抓拍路径未更改。</translation>
        </message>
        <message>
            <source>百度地图</source>
            <translation>百度地图</translation>
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
            <translation>语言设置：</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>谷歌地图</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>速度单位：</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>未指定录像。</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>无法将片段移入 %1：%2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>导出片段需要 ffmpeg 程序，但它尚未安装。</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>%1 所在磁盘已满：片段未保存。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>无法创建文件夹 %1。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>无法写入文件夹 %1。</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>文件夹 %1 中同名片段过多。</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>范围 %1 至 %2 超出了录像（0:00.0 至 %3）。</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>范围为空：结束时间必须晚于开始时间。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>找不到录像 %1：它已被移动或删除。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>无法读取录像 %1。</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>无法写入临时文件夹 %1。</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>无法将轨迹写入 %1。</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>%1 的可用空间不足：片段约需 %2 MB，仅剩 %3 MB。</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg 无法写入片段：%1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1，通道数：%2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>已取消：未保存任何内容。</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>正在取消...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>选择片段的保存文件夹</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>选择...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>每个通道保持原始画质，不重新编码直接剪切，轨迹另存为 GPX 和 CSV，放在新文件夹中。</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>导出</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>导出片段</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>导出片段...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>正在导出...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>文件夹</translation>
        </message>
        <message>
            <source>From</source>
            <translation>从</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>以下文件无法读取，已略过：%1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>时长：%1 秒</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>单个视频</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>打开文件夹</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>正在读取录像...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>已保存到 %1。</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>单独文件</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>各通道并排显示，并叠加相机时间、速度、位置和重力感应数据（H.264，MP4）。</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>文件从入点之前最多 %1 秒处的关键帧开始。</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>该录像不含 GPS 轨迹。</translation>
        </message>
        <message>
            <source>To</source>
            <translation>到</translation>
        </message>
        <message>
            <source>s</source>
            <translation>秒</translation>
        </message>
    </context>
    <context>
        <name>KoClipReadings</name>
        <message>
            <source>no GPS fix</source>
            <translation>无 GPS 定位</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>选项：</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>播放行车记录仪的录像。给出的文件会加入播放列表，并播放第一个；给出文件夹则加入其中的录像。如果播放器已在运行，文件将交给正在运行的播放器。</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>显示版本并退出</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>显示本帮助并退出</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>更多信息请运行“%1 --help”。</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>未知选项：%1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>用法：%1 [文件或文件夹]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
        </message>
    </context>
    <context>
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>急加速</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>急刹车</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>碰撞</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>急转弯</translation>
        </message>
    </context>
    <context>
        <name>KoPlaybackSpeed</name>
        <message>
            <source>%1x</source>
            <translation>%1倍速</translation>
        </message>
    </context>
    <context>
        <name>KoSnapshotTaker</name>
        <message>
            <source>The snapshot was not saved in the folder %1.</source>
            <translation>截图未保存到文件夹 %1。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>截图未保存：文件夹 %1 所在的磁盘已满。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>截图未保存：无法写入文件夹 %1。请在设置中选择其他文件夹。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>截图未保存：文件夹 %1 不存在。请在设置中选择其他文件夹，或连接其所在的驱动器。</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 已存在，未作更改。</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 是播放列表中的录像：轨迹未写入，录像保持不变。请选择其他文件名。</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV 表格 (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>导出轨迹</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>导出轨迹...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>无法读取录像 %1。</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>录像 %1 中没有 GPS 轨迹，未导出任何内容。</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>无法将轨迹写入 %1。请检查文件夹是否存在以及是否有写入权限。</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>里程 %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>时长 %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>事件 %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>最高速度 %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>驾驶事件：%1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>录像数：%1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>这些数字只计入已读取轨迹的录像。</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>行程：%1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>最高速度 %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>无声音输出</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>无声音输出：无法打开声音设备，录像将无声播放。</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>无法保存设置：关闭播放器后更改将丢失。</translation>
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
            <translation>上一帧</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>下一帧</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>纬 度</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>全屏</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>全屏播放</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>切换画面</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>打开文件</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>打开文件夹</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>抓拍图片</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>拍照</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>播放/暂停</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>放大</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>海 拔</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>添加文件</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>添加文件夹</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>清空列表</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>确定要清空文件列表？</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>经 度</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>缩小</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>静音</translation>
        </message>
    </context>
</TS>
