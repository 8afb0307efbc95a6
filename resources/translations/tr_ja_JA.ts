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
</TS>
