<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>對話框</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確認</translation>
        </message>
    </context>
    <context>
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>尚未讀取軌跡：播放該錄影時讀取軌跡。</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>無法啟動視訊引擎（libmpv），播放器將關閉。</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>錯誤</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>窗體</translation>
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
            <translation>目前版本：</translation>
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
            <translation>專案首頁：%1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>問題與錯誤回報：請使用專案首頁上的問題追蹤。</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>系統設定</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player 播放行車記錄器錄影，並同步顯示行駛路線、速度和重力感應資料。</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player：一次行程的所有鏡頭，一條時間軸。</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>版本資訊</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>網站：%1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>地圖選擇：</translation>
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
            <translation>抓拍路徑</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>抓拍路徑：</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>無法寫入所選資料夾，抓拍路徑未變更。</translation>
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
            <translation>語言設定：</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>谷歌地图</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>速度單位：</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>未指定錄影。</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>無法將片段移入 %1：%2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>匯出片段需要 ffmpeg 程式，但它尚未安裝。</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>%1 所在磁碟已滿：片段未儲存。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>無法建立資料夾 %1。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>無法寫入資料夾 %1。</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>資料夾 %1 中同名片段過多。</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>範圍 %1 至 %2 超出了錄影（0:00.0 至 %3）。</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>範圍為空：結束時間必須晚於開始時間。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>找不到錄影 %1：它已被移動或刪除。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>無法讀取錄影 %1。</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>無法寫入暫存資料夾 %1。</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>無法將軌跡寫入 %1。</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>%1 的可用空間不足：片段約需 %2 MB，僅剩 %3 MB。</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg 無法寫入片段：%1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1，通道數：%2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>已取消：未儲存任何內容。</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>正在取消...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>選擇片段的儲存資料夾</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>選擇...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>每個通道保持原始畫質，不重新編碼直接剪下，軌跡另存為 GPX 和 CSV，放在新資料夾中。</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>匯出</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>匯出片段</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>匯出片段...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>正在匯出...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>資料夾</translation>
        </message>
        <message>
            <source>From</source>
            <translation>從</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>以下檔案無法讀取，已略過：%1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>長度：%1 秒</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>單一影片</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>開啟資料夾</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>正在讀取錄影...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>已儲存到 %1。</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>個別檔案</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>各通道並排顯示，並疊加相機時間、速度、位置和重力感應資料（H.264，MP4）。</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>檔案從入點之前最多 %1 秒處的關鍵影格開始。</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>該錄影不含 GPS 軌跡。</translation>
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
            <translation>無 GPS 定位</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>選項：</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>播放行車記錄器的錄影。給出的檔案會加入播放清單，並播放第一個；給出資料夾則加入其中的錄影。如果播放器已在執行，檔案將交給正在執行的播放器。</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>顯示版本並結束</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>顯示本說明並結束</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>更多資訊請執行「%1 --help」。</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>未知選項：%1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>用法：%1 [檔案或資料夾]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>視窗</translation>
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
            <translation>急煞車</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>碰撞</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>急轉彎</translation>
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
            <translation>截圖未儲存到資料夾 %1。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>截圖未儲存：資料夾 %1 所在的磁碟已滿。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>截圖未儲存：無法寫入資料夾 %1。請在設定中選擇其他資料夾。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>截圖未儲存：資料夾 %1 不存在。請在設定中選擇其他資料夾，或連接其所在的磁碟機。</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 已存在，未作變更。</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 是播放清單中的錄影：軌跡未寫入，錄影保持不變。請選擇其他檔案名稱。</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV 表格 (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>匯出軌跡</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>匯出軌跡...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>無法讀取錄影 %1。</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>錄影 %1 中沒有 GPS 軌跡，未匯出任何內容。</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>無法將軌跡寫入 %1。請檢查資料夾是否存在以及是否有寫入權限。</translation>
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
            <translation>時長 %1</translation>
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
            <translation>駕駛事件：%1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>錄影數：%1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>這些數字只計入已讀取軌跡的錄影。</translation>
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
            <translation>無聲音輸出</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>無聲音輸出：無法開啟聲音裝置，錄影將無聲播放。</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>設定</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>無法儲存設定：關閉播放器後變更將遺失。</translation>
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
            <translation>上一幀</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>下一幀</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>緯 度</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>全螢幕</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>全螢幕播放</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>切換畫面</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>開啟檔案</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>開啟資料夾</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>擷取圖片</translation>
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
            <translation>播放/暫停</translation>
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
            <translation>新增檔案</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>新增資料夾</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>清空清單</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>確定要清空檔案清單？</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>經 度</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>縮小</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>靜音</translation>
        </message>
    </context>
</TS>
