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
            <source>English</source>
            <translation>英文</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>日文</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>俄文</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>德文</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>義大利文</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>簡體中文</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>西班牙文</translation>
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
</TS>
