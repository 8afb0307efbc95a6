<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</TS>
