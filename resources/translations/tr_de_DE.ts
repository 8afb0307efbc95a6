<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
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
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
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
            <translation>Englisch</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Japanisch</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>Russisch</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>Deutsch</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>Italienisch</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>Chinesisch (vereinfacht)</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>Chinesisch (traditionell)</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>Spanisch</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Formular</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
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
            <translation>Vorherige Aufnahme</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Nächste Aufnahme</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Breite</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stopp</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Vollbild</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Vollbild</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Ansicht wechseln</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Dateien öffnen</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Ordner öffnen</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Schnappschuss</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Schnappschuss</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Hinweis</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Wiedergabe/Pause</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Vergrößern</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Höhe</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>Dateien hinzufügen</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Ordner hinzufügen</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Liste leeren</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>Dateiliste leeren?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Länge</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Verkleinern</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Stumm</translation>
        </message>
    </context>
</TS>
