<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JA">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>ダイアログ</translation>
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
            <translation>軌跡はまだ読み込まれていません。録画の再生時に読み込まれます。</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>ビデオエンジン（libmpv）を起動できませんでした。Tavrin Player を終了します。</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>エラー</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
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
            <translation>現在のバージョン：</translation>
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
            <translation>プロジェクトページ：%1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>質問や不具合の報告：プロジェクトページのトラッカーへ。</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>システム設定</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player はドライブレコーダーの録画を、走行ルート・速度・Gセンサーの記録とともに再生します。</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player：一回のドライブの全カメラを、ひとつのタイムラインで。</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>バージョン情報</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>ウェブサイト：%1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>地図サービス：</translation>
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
            <translation>スナップショットの保存先</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>スナップショットの保存先：</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>選択したフォルダーに書き込めません。保存先は変更されていません。</translation>
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
            <translation>言語：</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>速度の単位：</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>録画が指定されていません。</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>クリップを %1 に移動できませんでした：%2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>クリップには ffmpeg が必要ですが、インストールされていません。</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>%1 のディスクがいっぱいです：クリップは保存されませんでした。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>フォルダー %1 を作成できません。</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>フォルダー %1 に書き込めません。</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>フォルダー %1 には同じ名前のクリップが多すぎます。</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>範囲 %1～%2 は録画（0:00.0～%3）の外です。</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>範囲が空です：終了は開始より後にしてください。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>録画 %1 が見つかりません：移動または削除されました。</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>録画 %1 を読み込めません。</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>一時フォルダー %1 に書き込めません。</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>軌跡を %1 に書き込めませんでした。</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>%1 の空き容量が足りません：クリップには約 %2 MB 必要ですが、空きは %3 MB です。</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg がクリップを書き込めませんでした：%1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1、チャンネル数：%2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>キャンセルしました：何も保存されていません。</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>キャンセルしています...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>クリップの保存先フォルダーを選択</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>選択...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>各チャンネルを再エンコードせず元の画質のまま切り出し、軌跡は GPX と CSV で新しいフォルダーに保存します。</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>エクスポート</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>クリップのエクスポート</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>クリップをエクスポート...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>エクスポート中...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>フォルダー</translation>
        </message>
        <message>
            <source>From</source>
            <translation>開始</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>読み込めないため除外：%1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>長さ：%1 秒</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>1本の動画</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>フォルダーを開く</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>録画を読み込んでいます...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>%1 に保存しました。</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>個別ファイル</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>チャンネルを並べ、カメラ時刻・速度・位置・Gセンサーを焼き込みます（H.264、MP4）。</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>ファイルはイン点の最大 %1 秒前のキーフレームから始まります。</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>この録画には GPS 軌跡がありません。</translation>
        </message>
        <message>
            <source>To</source>
            <translation>終了</translation>
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
            <translation>GPS 測位なし</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>オプション:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>ドライブレコーダーの録画を再生します。指定したファイルはプレイリストに追加され、最初のファイルが再生されます。フォルダーを指定するとその中の録画が追加されます。プレーヤーが既に起動している場合は、そのプレーヤーがファイルを受け取ります。</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>バージョンを表示して終了</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>このヘルプを表示して終了</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>詳しくは「%1 --help」を実行してください。</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>不明なオプション: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>使い方: %1 [ファイルまたはフォルダー]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
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
            <translation>急ブレーキ</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>衝撃</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>急ハンドル</translation>
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
            <translation>スナップショットはフォルダー %1 に保存されませんでした。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>スナップショットは保存されませんでした：フォルダー %1 のディスクがいっぱいです。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>スナップショットは保存されませんでした：フォルダー %1 に書き込めません。設定で別のフォルダーを選んでください。</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>スナップショットは保存されませんでした：フォルダー %1 が存在しません。設定で別のフォルダーを選ぶか、そのドライブを接続してください。</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 は既に存在するため、変更しませんでした。</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 はプレイリストの録画です。軌跡は書き込まれず、録画はそのままです。別のファイル名を選んでください。</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV ファイル (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>軌跡のエクスポート</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>軌跡をエクスポート...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>録画 %1 を読み込めません。</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>録画 %1 には GPS 軌跡がありません。何もエクスポートされませんでした。</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>軌跡を %1 に書き込めませんでした。フォルダーが存在し、書き込み権限があるか確認してください。</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>距離 %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>長さ %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>イベント %1</translation>
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
            <translation>運転イベント：%1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>録画数：%1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>数値には軌跡を読み込んだ録画だけが含まれます。</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>走行：%1</translation>
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
            <translation>音声出力なし</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>音声出力なし：サウンドデバイスを開けないため、録画は音声なしで再生されます。</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>設定</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>設定を保存できません。変更は終了時に失われます。</translation>
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
            <translation>前の録画</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>次の録画</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>緯度</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>停止</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>全画面</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>全画面再生</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>画面切替</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>ファイルを開く</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>フォルダーを開く</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>スナップショット</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>スナップショット</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>お知らせ</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>再生/一時停止</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>拡大</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>高度</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>ファイル追加</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>フォルダ追加</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>リスト消去</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>ファイルリストを消去しますか？</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>経度</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>縮小</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>ミュート</translation>
        </message>
    </context>
</TS>
