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
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>視窗</translation>
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
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 已存在，未作變更。</translation>
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
</TS>
