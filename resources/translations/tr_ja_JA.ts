<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JA">
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
            <translation>英語</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>日本語</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>ロシア語</translation>
        </message>
        <message>
            <source>德文</source>
            <translation>ドイツ語</translation>
        </message>
        <message>
            <source>意大利</source>
            <translation>イタリア語</translation>
        </message>
        <message>
            <source>简体中文</source>
            <translation>簡体字中国語</translation>
        </message>
        <message>
            <source>繁体中文</source>
            <translation>繁体字中国語</translation>
        </message>
        <message>
            <source>西班牙</source>
            <translation>スペイン語</translation>
        </message>
    </context>
</TS>
