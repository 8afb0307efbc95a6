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
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>フォーム</translation>
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
            <translation>%1 は既に存在するため、変更しませんでした。</translation>
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
</TS>
