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
            <translation>意大利文</translation>
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
            <translation>西班牙文</translation>
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
</TS>
