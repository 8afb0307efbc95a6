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
        <name>JXDeviceTreeView</name>
        <message>
            <source>No track read yet: the track is read when the recording plays.</source>
            <translation>Noch keine Strecke gelesen: Sie wird beim Abspielen der Aufnahme gelesen.</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>Die Video-Engine (libmpv) konnte nicht gestartet werden. Tavrin Player wird beendet.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Fehler</translation>
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
            <source>Current Version: </source>
            <translation>Aktuelle Version: </translation>
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
            <translation>Projektseite: %1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>Fragen und Fehlerberichte: über den Tracker der Projektseite.</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>Systemeinstellungen</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player spielt Dashcam-Aufnahmen zusammen mit Route, Geschwindigkeit und G-Sensor-Daten ab.</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player: alle Kameras einer Fahrt auf einer Zeitleiste.</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>Versionsinformationen</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>Website: %1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>Kartendienst:</translation>
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
            <translation>Ordner für Schnappschüsse</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>Ordner für Schnappschüsse:</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>In den gewählten Ordner kann nicht geschrieben werden. Der Ordner für Schnappschüsse bleibt unverändert.</translation>
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
            <translation>Sprache:</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>Geschwindigkeitseinheit:</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>Es wurde keine Aufnahme angegeben.</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>Der Clip konnte nicht nach %1 verschoben werden: %2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>Für den Clip wird das Programm ffmpeg benötigt, es ist nicht installiert.</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>Der Datenträger von %1 ist voll: Der Clip wurde nicht gespeichert.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>Der Ordner %1 enthält zu viele Clips dieses Namens.</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>Der Bereich %1 bis %2 liegt außerhalb der Aufnahme (0:00.0 bis %3).</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>Der Bereich ist leer: Sein Ende muss nach seinem Anfang liegen.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>Die Aufnahme %1 wurde nicht gefunden: Sie wurde verschoben oder gelöscht.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Die Aufnahme %1 kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>In den temporären Ordner %1 kann nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>Die Strecke konnte nicht in %1 geschrieben werden.</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>In %1 ist nicht genug Platz frei: Der Clip braucht etwa %2 MB, frei sind %3 MB.</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg konnte den Clip nicht schreiben: %1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1, Kanäle: %2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>Abgebrochen: nichts wurde gespeichert.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Wird abgebrochen...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>Ordner für den Clip auswählen</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Auswählen...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>Jeder Kanal in Originalqualität, ohne Neukodierung geschnitten, die Strecke als GPX und CSV, in einem neuen Ordner.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>Clip exportieren</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>Clip exportieren...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Wird exportiert...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>From</source>
            <translation>Von</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>Ausgelassen, da nicht lesbar: %1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>Länge: %1 s</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>Ein Video</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>Ordner öffnen</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>Aufnahme wird gelesen...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>Gespeichert unter %1.</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>Einzelne Dateien</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>Die Kanäle nebeneinander, mit eingeblendeter Kamerazeit, Geschwindigkeit, Position und G-Sensor (H.264, MP4).</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>Die Dateien beginnen bis zu %1 s vor dem Startpunkt, an einem Schlüsselbild.</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>Die Aufnahme enthält keine GPS-Strecke.</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Bis</translation>
        </message>
        <message>
            <source>s</source>
            <translation>s</translation>
        </message>
    </context>
    <context>
        <name>KoClipReadings</name>
        <message>
            <source>no GPS fix</source>
            <translation>kein GPS-Empfang</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Optionen:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Spielt die Aufnahmen einer Dashcam ab. Die angegebenen Dateien werden der Wiedergabeliste hinzugefügt und die erste wird abgespielt; ein Ordner fügt die Aufnahmen darin hinzu. Läuft der Player bereits, erhält er die Dateien.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Die Version anzeigen und beenden</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Diese Hilfe anzeigen und beenden</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Weitere Informationen mit „%1 --help“.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Unbekannte Option: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Aufruf: %1 [DATEI oder ORDNER]...</translation>
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
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>Starkes Beschleunigen</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>Starkes Bremsen</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>Aufprall</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>Scharfe Kurvenfahrt</translation>
        </message>
    </context>
    <context>
        <name>KoPlaybackSpeed</name>
        <message>
            <source>%1x</source>
            <translation>%1x</translation>
        </message>
    </context>
    <context>
        <name>KoSnapshotTaker</name>
        <message>
            <source>The snapshot was not saved in the folder %1.</source>
            <translation>Der Schnappschuss wurde nicht im Ordner %1 gespeichert.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>Der Schnappschuss wurde nicht gespeichert: Das Laufwerk des Ordners %1 ist voll.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>Der Schnappschuss wurde nicht gespeichert: In den Ordner %1 kann nicht geschrieben werden. Wählen Sie in den Einstellungen einen anderen Ordner.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>Der Schnappschuss wurde nicht gespeichert: Der Ordner %1 existiert nicht. Wählen Sie in den Einstellungen einen anderen Ordner oder schließen Sie sein Laufwerk an.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 existiert bereits und wurde nicht verändert.</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 ist eine Aufnahme der Wiedergabeliste: Die Strecke wurde nicht geschrieben, die Aufnahme ist unverändert. Wählen Sie einen anderen Dateinamen.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>CSV-Tabelle (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Strecke exportieren</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Strecke exportieren...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Die Aufnahme %1 kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>Die Aufnahme %1 enthält keine GPS-Strecke. Es wurde nichts exportiert.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>Die Strecke konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob der Ordner existiert und Sie darin schreiben dürfen.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>Strecke %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>Dauer %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>Ereignisse %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>Höchstgeschwindigkeit %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>Fahrereignisse: %1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>Aufnahmen: %1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>Die Zahlen umfassen nur die Aufnahmen, deren Strecke gelesen wurde.</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>Fahrt: %1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>Höchstgeschwindigkeit %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>Keine Tonausgabe</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>Keine Tonausgabe: Das Audiogerät lässt sich nicht öffnen, Aufnahmen laufen ohne Ton.</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>Einstellungen nicht speicherbar; sie gelten nur bis zum Beenden.</translation>
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
            <translation>Dateien</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Leeren</translation>
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
