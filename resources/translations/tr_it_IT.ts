<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
    <context>
        <name>JXAlertDialog</name>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Finestra di dialogo</translation>
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
            <translation>Traccia non ancora letta: viene letta quando si riproduce la registrazione.</translation>
        </message>
    </context>
    <context>
        <name>JXEngineFailure</name>
        <message>
            <source>无法启动视频引擎（libmpv），播放器将关闭。</source>
            <translation>Impossibile avviare il motore video (libmpv). Tavrin Player verrà chiuso.</translation>
        </message>
        <message>
            <source>错误</source>
            <translation>Errore</translation>
        </message>
    </context>
    <context>
        <name>JXPlayWidget</name>
        <message>
            <source>Form</source>
            <translation>Modulo</translation>
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
            <translation>Versione attuale: </translation>
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
            <translation>Pagina del progetto: %1</translation>
        </message>
        <message>
            <source>Questions and bug reports: the project page's tracker.</source>
            <translation>Domande e segnalazioni di errori: il tracker della pagina del progetto.</translation>
        </message>
        <message>
            <source>System Setting</source>
            <translation>Impostazioni di sistema</translation>
        </message>
        <message>
            <source>Tavrin Player plays dash-camera recordings together with their route, speed and G-sensor track.</source>
            <translation>Tavrin Player riproduce le registrazioni della dashcam insieme a percorso, velocità e dati del sensore G.</translation>
        </message>
        <message>
            <source>Tavrin Player: every camera of a drive, one timeline.</source>
            <translation>Tavrin Player: tutte le telecamere di un viaggio, un'unica linea temporale.</translation>
        </message>
        <message>
            <source>Version Info</source>
            <translation>Informazioni sulla versione</translation>
        </message>
        <message>
            <source>Web site: %1</source>
            <translation>Sito web: %1</translation>
        </message>
        <message>
            <source>俄文</source>
            <translation>русский</translation>
        </message>
        <message>
            <source>地图选择：</source>
            <translation>Servizio mappe:</translation>
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
            <translation>Cartella delle istantanee</translation>
        </message>
        <message>
            <source>抓拍路径：</source>
            <translation>Cartella delle istantanee:</translation>
        </message>
        <message>
            <source>无法写入所选文件夹，抓拍路径未更改。</source>
            <translation>Impossibile scrivere nella cartella scelta. La cartella delle istantanee non è cambiata.</translation>
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
            <translation>Lingua:</translation>
        </message>
        <message>
            <source>谷歌地图</source>
            <translation>Google Maps</translation>
        </message>
        <message>
            <source>速度单位：</source>
            <translation>Unità di velocità:</translation>
        </message>
    </context>
    <context>
        <name>KoClipExport</name>
        <message>
            <source>No recording was given.</source>
            <translation>Nessuna registrazione indicata.</translation>
        </message>
        <message>
            <source>The clip could not be moved into %1: %2</source>
            <translation>Impossibile spostare la clip in %1: %2</translation>
        </message>
        <message>
            <source>The clip needs the ffmpeg program, which is not installed.</source>
            <translation>La clip richiede il programma ffmpeg, che non è installato.</translation>
        </message>
        <message>
            <source>The disk of %1 is full: the clip was not saved.</source>
            <translation>Il disco di %1 è pieno: la clip non è stata salvata.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made.</source>
            <translation>Impossibile creare la cartella %1.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be written to.</source>
            <translation>Impossibile scrivere nella cartella %1.</translation>
        </message>
        <message>
            <source>The folder %1 holds too many clips of this name.</source>
            <translation>La cartella %1 contiene troppe clip con questo nome.</translation>
        </message>
        <message>
            <source>The range %1 to %2 lies outside the recording (0:00.0 to %3).</source>
            <translation>L'intervallo da %1 a %2 è fuori dalla registrazione (da 0:00.0 a %3).</translation>
        </message>
        <message>
            <source>The range is empty: its end must come after its start.</source>
            <translation>L'intervallo è vuoto: la fine deve venire dopo l'inizio.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be found: it was moved or deleted.</source>
            <translation>Registrazione %1 non trovata: è stata spostata o eliminata.</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Impossibile leggere la registrazione %1.</translation>
        </message>
        <message>
            <source>The temporary folder %1 cannot be written.</source>
            <translation>Impossibile scrivere nella cartella temporanea %1.</translation>
        </message>
        <message>
            <source>The track could not be written into %1.</source>
            <translation>Impossibile scrivere la traccia in %1.</translation>
        </message>
        <message>
            <source>There is not enough free space in %1: the clip needs about %2 MB, %3 MB are free.</source>
            <translation>Spazio libero insufficiente in %1: la clip richiede circa %2 MB, ne sono liberi %3 MB.</translation>
        </message>
        <message>
            <source>ffmpeg could not write the clip: %1</source>
            <translation>ffmpeg non è riuscito a scrivere la clip: %1</translation>
        </message>
    </context>
    <context>
        <name>KoClipExportDialog</name>
        <message>
            <source>%1, channels: %2</source>
            <translation>%1, canali: %2</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Cancelled: nothing was saved.</source>
            <translation>Annullato: non è stato salvato nulla.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Annullamento...</translation>
        </message>
        <message>
            <source>Choose the folder for the clip</source>
            <translation>Scegli la cartella per la clip</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Scegli...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Chiudi</translation>
        </message>
        <message>
            <source>Every channel in its original quality, cut without re-encoding, with the track as GPX and CSV, in a new folder.</source>
            <translation>Ogni canale nella qualità originale, tagliato senza ricodifica, con la traccia in GPX e CSV, in una nuova cartella.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Esporta</translation>
        </message>
        <message>
            <source>Export clip</source>
            <translation>Esporta clip</translation>
        </message>
        <message>
            <source>Export clip...</source>
            <translation>Esporta clip...</translation>
        </message>
        <message>
            <source>Exporting...</source>
            <translation>Esportazione...</translation>
        </message>
        <message>
            <source>Folder</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>From</source>
            <translation>Da</translation>
        </message>
        <message>
            <source>Left out, as they cannot be read: %1</source>
            <translation>Esclusi perché illeggibili: %1</translation>
        </message>
        <message>
            <source>Length: %1 s</source>
            <translation>Durata: %1 s</translation>
        </message>
        <message>
            <source>One video</source>
            <translation>Un solo video</translation>
        </message>
        <message>
            <source>Open folder</source>
            <translation>Apri cartella</translation>
        </message>
        <message>
            <source>Reading the recording...</source>
            <translation>Lettura della registrazione...</translation>
        </message>
        <message>
            <source>Saved to %1.</source>
            <translation>Salvato in %1.</translation>
        </message>
        <message>
            <source>Separate files</source>
            <translation>File separati</translation>
        </message>
        <message>
            <source>The channels side by side with the camera time, speed, position and G-sensor burned in (H.264, MP4).</source>
            <translation>I canali affiancati con ora della telecamera, velocità, posizione e sensore G sovraimpressi (H.264, MP4).</translation>
        </message>
        <message>
            <source>The files start up to %1 s before the in point, at a keyframe.</source>
            <translation>I file iniziano fino a %1 s prima del punto di inizio, su un fotogramma chiave.</translation>
        </message>
        <message>
            <source>The recording holds no GPS track.</source>
            <translation>La registrazione non contiene una traccia GPS.</translation>
        </message>
        <message>
            <source>To</source>
            <translation>A</translation>
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
            <translation>nessun fix GPS</translation>
        </message>
    </context>
    <context>
        <name>KoCommandLine</name>
        <message>
            <source>Options:</source>
            <translation>Opzioni:</translation>
        </message>
        <message>
            <source>Plays the recordings of a car dash camera. The files given are added to the playlist and the first one plays; a folder adds the recordings in it. When the player is already running, it receives the files.</source>
            <translation>Riproduce le registrazioni di una dashcam. I file indicati vengono aggiunti alla playlist e il primo viene riprodotto; una cartella aggiunge le registrazioni che contiene. Se il lettore è già in esecuzione, riceve lui i file.</translation>
        </message>
        <message>
            <source>Show the version and exit</source>
            <translation>Mostra la versione ed esce</translation>
        </message>
        <message>
            <source>Show this help and exit</source>
            <translation>Mostra questo aiuto ed esce</translation>
        </message>
        <message>
            <source>Try '%1 --help' for more information.</source>
            <translation>Per maggiori informazioni usare '%1 --help'.</translation>
        </message>
        <message>
            <source>Unknown option: %1</source>
            <translation>Opzione sconosciuta: %1</translation>
        </message>
        <message>
            <source>Usage: %1 [FILE or FOLDER]...</source>
            <translation>Uso: %1 [FILE o CARTELLA]...</translation>
        </message>
    </context>
    <context>
        <name>KoCoverWidget</name>
        <message>
            <source>Form</source>
            <translation>Modulo</translation>
        </message>
    </context>
    <context>
        <name>KoDrivingEvents</name>
        <message>
            <source>Harsh acceleration</source>
            <translation>Accelerazione brusca</translation>
        </message>
        <message>
            <source>Harsh braking</source>
            <translation>Frenata brusca</translation>
        </message>
        <message>
            <source>Impact</source>
            <translation>Urto</translation>
        </message>
        <message>
            <source>Sharp cornering</source>
            <translation>Curva brusca</translation>
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
            <translation>L'istantanea non è stata salvata nella cartella %1.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the disk of the folder %1 is full.</source>
            <translation>L'istantanea non è stata salvata: il disco della cartella %1 è pieno.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 cannot be written to. Choose another folder in the settings.</source>
            <translation>L'istantanea non è stata salvata: impossibile scrivere nella cartella %1. Scegli un'altra cartella nelle impostazioni.</translation>
        </message>
        <message>
            <source>The snapshot was not saved: the folder %1 does not exist. Choose another folder in the settings or connect its drive.</source>
            <translation>L'istantanea non è stata salvata: la cartella %1 non esiste. Scegli un'altra cartella nelle impostazioni o collega la sua unità.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackExportDialog</name>
        <message>
            <source>%1 already exists and was left unchanged.</source>
            <translation>%1 esiste già ed è stato lasciato invariato.</translation>
        </message>
        <message>
            <source>%1 is a recording of the playlist: the track was not written and the recording is unchanged. Choose another file name.</source>
            <translation>%1 è una registrazione della playlist: la traccia non è stata scritta e la registrazione è invariata. Scegli un altro nome di file.</translation>
        </message>
        <message>
            <source>CSV (*.csv)</source>
            <translation>Tabella CSV (*.csv)</translation>
        </message>
        <message>
            <source>Export track</source>
            <translation>Esporta traccia</translation>
        </message>
        <message>
            <source>Export track...</source>
            <translation>Esporta traccia...</translation>
        </message>
        <message>
            <source>GPX 1.1 (*.gpx)</source>
            <translation>GPX 1.1 (*.gpx)</translation>
        </message>
        <message>
            <source>The recording %1 cannot be read.</source>
            <translation>Impossibile leggere la registrazione %1.</translation>
        </message>
        <message>
            <source>The recording %1 holds no GPS track. Nothing was exported.</source>
            <translation>La registrazione %1 non contiene una traccia GPS. Non è stato esportato nulla.</translation>
        </message>
        <message>
            <source>The track could not be written to %1. Check that the folder exists and that you may write to it.</source>
            <translation>Impossibile scrivere la traccia in %1. Verificare che la cartella esista e che sia consentito scriverci.</translation>
        </message>
    </context>
    <context>
        <name>KoTrackSummary</name>
        <message>
            <source>Distance %1 %2</source>
            <translation>Distanza %1 %2</translation>
        </message>
        <message>
            <source>Duration %1</source>
            <translation>Durata %1</translation>
        </message>
        <message>
            <source>Events %1</source>
            <translation>Eventi %1</translation>
        </message>
        <message>
            <source>Top speed %1 %2</source>
            <translation>Velocità massima %1 %2</translation>
        </message>
    </context>
    <context>
        <name>KoTripNavigator</name>
        <message>
            <source>Driving events: %1</source>
            <translation>Eventi di guida: %1</translation>
        </message>
        <message>
            <source>Recordings: %1</source>
            <translation>Registrazioni: %1</translation>
        </message>
        <message>
            <source>The figures count only the recordings whose track has been read.</source>
            <translation>I valori contano solo le registrazioni di cui è stata letta la traccia.</translation>
        </message>
        <message>
            <source>Trip: %1</source>
            <translation>Viaggio: %1</translation>
        </message>
    </context>
    <context>
        <name>KoTrips</name>
        <message>
            <source>top speed %1 %2</source>
            <translation>velocità massima %1 %2</translation>
        </message>
    </context>
    <context>
        <name>VelmorMainWidget</name>
        <message>
            <source>No sound output</source>
            <translation>Nessuna uscita audio</translation>
        </message>
        <message>
            <source>No sound output: the sound device cannot be opened, recordings play without sound.</source>
            <translation>Nessuna uscita audio: impossibile aprire il dispositivo audio, le registrazioni vengono riprodotte senza audio.</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Impostazioni</translation>
        </message>
        <message>
            <source>Settings cannot be saved: changes are lost when the player closes.</source>
            <translation>Impostazioni non salvabili: si perdono alla chiusura.</translation>
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
            <translation>Registrazione precedente</translation>
        </message>
        <message>
            <source>下一帧</source>
            <translation>Registrazione successiva</translation>
        </message>
        <message>
            <source>伟 度</source>
            <translation>Latitudine</translation>
        </message>
        <message>
            <source>停止</source>
            <translation>Stop</translation>
        </message>
        <message>
            <source>全屏</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>全屏播放</source>
            <translation>Schermo intero</translation>
        </message>
        <message>
            <source>切换画面</source>
            <translation>Cambia vista</translation>
        </message>
        <message>
            <source>打开文件</source>
            <translation>Apri file</translation>
        </message>
        <message>
            <source>打开文件夹</source>
            <translation>Apri cartella</translation>
        </message>
        <message>
            <source>抓拍图片</source>
            <translation>Istantanea</translation>
        </message>
        <message>
            <source>拍照</source>
            <translation>Istantanea</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Avviso</translation>
        </message>
        <message>
            <source>播放/暂停</source>
            <translation>Riproduci/Pausa</translation>
        </message>
        <message>
            <source>放大</source>
            <translation>Ingrandisci</translation>
        </message>
        <message>
            <source>海 拔</source>
            <translation>Altitudine</translation>
        </message>
        <message>
            <source>添加文件</source>
            <translation>File</translation>
        </message>
        <message>
            <source>添加文件夹</source>
            <translation>Cartella</translation>
        </message>
        <message>
            <source>清空列表</source>
            <translation>Svuota</translation>
        </message>
        <message>
            <source>确定要清空文件列表？</source>
            <translation>Svuotare l'elenco dei file?</translation>
        </message>
        <message>
            <source>经 度</source>
            <translation>Longitudine</translation>
        </message>
        <message>
            <source>缩小</source>
            <translation>Riduci</translation>
        </message>
        <message>
            <source>静音</source>
            <translation>Muto</translation>
        </message>
    </context>
</TS>
