<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>LayoutView</name>
    <message>
        <source>ASCII mode</source>
        <translation>ASCII-Modus</translation>
    </message>
    <message>
        <source>scan code mode</source>
        <translation>Scancode-Modus</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Key name: %1, key content: %2, total space left: %3 bytes</source>
        <translation>Tastenname: %1, Tasteninhalt: %2, freier Speicher insgesamt: %3 Byte</translation>
    </message>
</context>
<context>
    <name>QtUserInterface</name>
    <message>
        <source>Open</source>
        <extracomment>The title of the file chooser that opens a template.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Use a simulated keyboard whose memory is kept in &lt;file&gt;; a directory: one USB keyboard per .bin file in it.</source>
        <translation>Eine simulierte Tastatur verwenden, deren Speicher in &lt;file&gt; liegt; ein Verzeichnis: eine USB-Tastatur je .bin-Datei darin.</translation>
    </message>
    <message>
        <source>PS/2 through &lt;node&gt;, an already bound serio_raw device (/dev/serio_rawN): nothing is bound.</source>
        <translation>PS/2 über &lt;node&gt;, ein bereits gebundenes serio_raw-Gerät (/dev/serio_rawN): es wird nichts gebunden.</translation>
    </message>
    <message>
        <source>Key definition editor for programmable point-of-sale keyboards</source>
        <translation>Editor für die Tastenbelegung programmierbarer Kassentastaturen</translation>
    </message>
    <message>
        <source>Template file to open.</source>
        <translation>Zu öffnende Vorlagendatei.</translation>
    </message>
</context>
<context>
    <name>vexa</name>
    <message>
        <source>Tessaly  Programmable Keyboard</source>
        <translation>Tessaly  Programmierbare Tastatur</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>About VEXA</source>
        <translation>Über VEXA</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Wrong function word or scan code word!!</source>
        <translation>Falsches Funktionswort oder Scancode-Wort!!</translation>
    </message>
    <message>
        <source>Wrong ASCII or function word!!</source>
        <translation>Falsches ASCII- oder Funktionswort!!</translation>
    </message>
    <message>
        <source>Not enough keyboard memory: the key data is %d bytes too long!!</source>
        <translation>Nicht genug Tastaturspeicher: Die Tastendaten sind %d Byte zu lang!!</translation>
    </message>
    <message>
        <source>Key %s: %s is not a function word or scan code word.</source>
        <translation>Taste %s: %s ist weder ein Funktionswort noch ein Scancode-Wort.</translation>
    </message>
    <message>
        <source>Key %s: %s must be the whole content of the key.</source>
        <translation>Taste %s: %s muss der gesamte Inhalt der Taste sein.</translation>
    </message>
    <message>
        <source>Key %s: the scan code word %s can&apos;t be mixed with characters or ASCII mode words.</source>
        <translation>Taste %s: Das Scancode-Wort %s kann nicht mit Zeichen oder Wörtern des ASCII-Modus gemischt werden.</translation>
    </message>
    <message>
        <source>Key %s: %s has no closing bracket.</source>
        <translation>Taste %s: %s hat keine schließende Klammer.</translation>
    </message>
    <message>
        <source>Key %s: a ] closes no word (a bracket character is written twice: ]]).</source>
        <translation>Taste %s: Ein ] schließt kein Wort ab (eine Klammer als Zeichen wird doppelt geschrieben: ]]).</translation>
    </message>
    <message>
        <source>Key %s: the content holds a zero byte.</source>
        <translation>Taste %s: Der Inhalt enthält ein Nullbyte.</translation>
    </message>
    <message>
        <source>key index %d</source>
        <translation>Tastenindex %d</translation>
    </message>
    <message>
        <source>position %d, key index %d, label &quot;%s&quot;: %s</source>
        <translation>Position %d, Tastenindex %d, Beschriftung &quot;%s&quot;: %s</translation>
    </message>
    <message>
        <source>key index %d (not on the layout): %s</source>
        <translation>Tastenindex %d (nicht im Layout): %s</translation>
    </message>
    <message>
        <source>A shift level code is the whole content of its key: clear the key to type into it.</source>
        <translation>Ein Umschaltebenen-Code ist der gesamte Inhalt seiner Taste: Leeren Sie die Taste, um etwas einzugeben.</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too short (%d bytes; a template has 2048)!!</source>
        <translation>Die Vorlagendatei: &lt;%s&gt; ist zu kurz (%d Byte; eine Vorlage hat 2048)!!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>Die Vorlagendatei: &lt;%s&gt; kann nicht geöffnet werden !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Die Vorlagendatei: &lt;%s&gt; kann nicht geschrieben werden !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Die Textdatei: &lt;%s&gt; kann nicht geschrieben werden !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is NOT in the directory !!</source>
        <translation>Die Textdatei: &lt;%s&gt; ist NICHT im Verzeichnis !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is too large for a text template !!</source>
        <translation>Die Textdatei: &lt;%s&gt; ist zu groß für eine Textvorlage !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is written, but the key at position %d holds a line feed, which a text file can&apos;t carry: importing it will misplace the keys after it !!</source>
        <translation>Die Textdatei: &lt;%s&gt; ist geschrieben, aber die Taste an Position %d enthält einen Zeilenvorschub, den eine Textdatei nicht aufnehmen kann: Beim Importieren werden die Tasten danach falsch zugeordnet !!</translation>
    </message>
    <message>
        <source>The number of rows in the text file is wrong
</source>
        <translation>Die Anzahl der Zeilen in der Textdatei ist falsch
</translation>
    </message>
    <message>
        <source>It is a link that another user made in a folder that others may write to: VEXA does not write through it.</source>
        <translation>Es ist ein Link, den ein anderer Benutzer in einem Ordner angelegt hat, in den auch andere schreiben dürfen: VEXA schreibt nicht über diesen Link.</translation>
    </message>
    <message>
        <source>Template files (*.bin)</source>
        <translation>Vorlagendateien (*.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; must be named .svg, .png or .pdf !!</source>
        <translation>Die Bilddatei: &lt;%s&gt; muss auf .svg, .png oder .pdf enden !!</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Die Bilddatei: &lt;%s&gt; kann nicht geschrieben werden !!</translation>
    </message>
    <message>
        <source>The legend sheet can&apos;t be printed !!</source>
        <translation>Der Beschriftungsbogen kann nicht gedruckt werden !!</translation>
    </message>
    <message>
        <source>Select Keyboard</source>
        <translation>Tastatur auswählen</translation>
    </message>
    <message>
        <source>Are you sure to select another keyboard?</source>
        <translation>Möchten Sie wirklich eine andere Tastatur auswählen?</translation>
    </message>
    <message>
        <source>This will clear the active template data !!!</source>
        <translation>Dadurch werden die Daten der aktiven Vorlage gelöscht !!!</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Put Delay Time</source>
        <translation>Verzögerungszeit einfügen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source> x 0.1 second</source>
        <translation> x 0,1 Sekunden</translation>
    </message>
    <message>
        <source>Put Shift Level Code</source>
        <translation>Umschaltebenen-Code einfügen</translation>
    </message>
    <message>
        <source>Level No:</source>
        <translation>Ebene Nr.:</translation>
    </message>
    <message>
        <source>(1--9)</source>
        <translation>(1--9)</translation>
    </message>
    <message>
        <source>Input ASCII Code</source>
        <translation>ASCII-Code eingeben</translation>
    </message>
    <message>
        <source>ASCII code:</source>
        <translation>ASCII-Code:</translation>
    </message>
    <message>
        <source>(1--240)</source>
        <translation>(1--240)</translation>
    </message>
    <message>
        <source>Input Scan Code</source>
        <translation>Scancode eingeben</translation>
    </message>
    <message>
        <source>Scan Code:</source>
        <translation>Scancode:</translation>
    </message>
    <message>
        <source>Get wrong system information
Exit.Then, try again please</source>
        <translation>Falsche Systeminformationen erhalten
Beenden Sie das Programm und versuchen Sie es dann bitte erneut</translation>
    </message>
    <message>
        <source>Can&apos;t open the KB driver</source>
        <translation>Der Tastaturtreiber kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the kernel has no i8042 keyboard port (no serio port &quot;i8042 KBD port&quot;)</source>
        <translation>der Kernel hat keinen i8042-Tastaturanschluss (keinen serio-Anschluss &quot;i8042 KBD port&quot;)</translation>
    </message>
    <message>
        <source>the serio_raw module is not loaded: run &quot;sudo modprobe serio_raw&quot;</source>
        <translation>das Modul serio_raw ist nicht geladen: Führen Sie &quot;sudo modprobe serio_raw&quot; aus</translation>
    </message>
    <message>
        <source>not running as root, and the helper %s or pkexec is missing: install the vexa package or run as root (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>läuft nicht als root, und das Hilfsprogramm %s oder pkexec fehlt: Installieren Sie das Paket vexa oder starten Sie als root (siehe README, &quot;PS/2 on Linux&quot;)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>das Gerät %s kann nicht geöffnet werden (%s): Installieren Sie die udev-Regel 70-vexa-keyboard.rules (siehe README, &quot;PS/2 on Linux&quot;)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s)</source>
        <translation>das Gerät %s kann nicht geöffnet werden (%s)</translation>
    </message>
    <message>
        <source>the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw driver instead, which needs the kernel&apos;s i8042 keyboard port</source>
        <translation>der Kernel ist gesperrt (Secure Boot): Direkter Portzugriff ist nicht erlaubt; PS/2 verwendet stattdessen den Treiber serio_raw, der den i8042-Tastaturanschluss des Kernels benötigt</translation>
    </message>
    <message>
        <source>the kernel refused direct access to the keyboard controller&apos;s ports (this needs root on an x86 PC)</source>
        <translation>der Kernel hat den direkten Zugriff auf die Ports des Tastatur-Controllers verweigert (dazu sind root-Rechte auf einem x86-PC nötig)</translation>
    </message>
    <message>
        <source>direct access to the keyboard controller&apos;s ports is switched off (CI or VEXA_NO_REAL_PORTS is set)</source>
        <translation>der direkte Zugriff auf die Ports des Tastatur-Controllers ist abgeschaltet (CI oder VEXA_NO_REAL_PORTS ist gesetzt)</translation>
    </message>
    <message>
        <source>another VEXA run is using the PS/2 keyboard port: try again when it has finished</source>
        <translation>eine andere VEXA-Instanz verwendet den PS/2-Tastaturanschluss: Versuchen Sie es erneut, wenn sie fertig ist</translation>
    </message>
    <message>
        <source>the keyboard port %s was not handed to serio_raw: %s</source>
        <translation>der Tastaturanschluss %s wurde nicht an serio_raw übergeben: %s</translation>
    </message>
    <message>
        <source>serio_raw took the keyboard port %s, but gave no device</source>
        <translation>serio_raw hat den Tastaturanschluss %s übernommen, aber kein Gerät bereitgestellt</translation>
    </message>
    <message>
        <source>the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</source>
        <translation>der Tastaturanschluss %s konnte nicht an die Tastatur zurückgegeben werden (%s); er bleibt stumm, bis Sie Folgendes ausführen: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</translation>
    </message>
    <message>
        <source>the state file %s can&apos;t be written (%s)</source>
        <translation>die Statusdatei %s kann nicht geschrieben werden (%s)</translation>
    </message>
    <message>
        <source>an administrator&apos;s authorisation was not given</source>
        <translation>die Autorisierung durch einen Administrator wurde nicht erteilt</translation>
    </message>
    <message>
        <source>the helper vexa-serio-helper ended with status %d</source>
        <translation>das Hilfsprogramm vexa-serio-helper endete mit Status %d</translation>
    </message>
    <message>
        <source>more than one serio port is called &quot;i8042 KBD port&quot;: nothing was changed</source>
        <translation>mehr als ein serio-Anschluss heißt &quot;i8042 KBD port&quot;: Es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the keyboard port %s is bound to &quot;%s&quot; instead of %s</source>
        <translation>der Tastaturanschluss %s ist an &quot;%s&quot; statt an %s gebunden</translation>
    </message>
    <message>
        <source>the keyboard port&apos;s lock can&apos;t be opened (%s)</source>
        <translation>die Sperre des Tastaturanschlusses kann nicht geöffnet werden (%s)</translation>
    </message>
    <message>
        <source>the program is ending</source>
        <translation>das Programm wird beendet</translation>
    </message>
    <message>
        <source>vexa-cli: the output could not be written</source>
        <translation>vexa-cli: Die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!</source>
        <translation>Es ist keine Tastatur der PX-Serie angeschlossen!</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!
A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>Es ist keine Tastatur der PX-Serie angeschlossen!
Eine Tastatur der PX-Serie wurde gefunden, aber dieser Benutzer darf sie nicht öffnen: Installieren Sie die udev-Regel 70-vexa-keyboard.rules (siehe README, &quot;USB permissions&quot;).</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to write Keyboard again please!</source>
        <translation>Keine programmierbare Tastatur erkannt!
Bitte prüfen Sie die Verbindung zur Tastatur!

Bitte versuchen Sie erneut, in die Tastatur zu schreiben!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please check the driver setup!

Try to write Keyboard again please!</source>
        <translation>Kein Zugriff auf die programmierbare Tastatur!
Bitte prüfen Sie die Treibereinrichtung!

Bitte versuchen Sie erneut, in die Tastatur zu schreiben!</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to read again please!</source>
        <translation>Keine programmierbare Tastatur erkannt!
Bitte prüfen Sie die Verbindung zur Tastatur!

Bitte versuchen Sie erneut, aus der Tastatur zu lesen!</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please to check the driver setup!

Try to read again please!</source>
        <translation>Kein Zugriff auf die programmierbare Tastatur!
Bitte prüfen Sie die Treibereinrichtung!

Bitte versuchen Sie erneut, aus der Tastatur zu lesen!</translation>
    </message>
    <message>
        <source>Data Written Error, Count=%d</source>
        <translation>Fehler beim Schreiben der Daten, Zähler=%d</translation>
    </message>
    <message>
        <source>The keyboard now holds a partly written template and must be written again before use!</source>
        <translation>Die Tastatur enthält jetzt eine teilweise geschriebene Vorlage; schreiben Sie vor der Verwendung erneut eine Vorlage in die Tastatur!</translation>
    </message>
    <message>
        <source>Data Read Error, Count=%d</source>
        <translation>Fehler beim Lesen der Daten, Zähler=%d</translation>
    </message>
    <message>
        <source>Writing data into keyboard</source>
        <translation>Daten werden in die Tastatur geschrieben</translation>
    </message>
    <message>
        <source>Reading data from keyboard</source>
        <translation>Daten werden aus der Tastatur gelesen</translation>
    </message>
    <message>
        <source>Please don&apos;t use mouse and/or keyboard!</source>
        <translation>Bitte verwenden Sie weder Maus noch Tastatur!</translation>
    </message>
    <message>
        <source>Select Communication Port</source>
        <translation>Kommunikationsanschluss auswählen</translation>
    </message>
    <message>
        <source>Don&apos;t ask at start</source>
        <translation>Beim Start nicht fragen</translation>
    </message>
    <message>
        <source>The device &lt;%s&gt; is not a PX series keyboard connected to this computer!</source>
        <translation>Das Gerät &lt;%s&gt; ist keine an diesen Computer angeschlossene Tastatur der PX-Serie!</translation>
    </message>
    <message>
        <source>The PX series keyboard at &lt;%s&gt; does not answer!</source>
        <translation>Die Tastatur der PX-Serie an &lt;%s&gt; antwortet nicht!</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Select Connected Keyboard</source>
        <translation>Angeschlossene Tastatur auswählen</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Read the template from:</source>
        <translation>Mehrere Tastaturen sind angeschlossen. Vorlage lesen aus:</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Write the template into:</source>
        <translation>Mehrere Tastaturen sind angeschlossen. Vorlage schreiben in:</translation>
    </message>
    <message>
        <source>All connected keyboards</source>
        <translation>Alle angeschlossenen Tastaturen</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>keine Seriennummer</translation>
    </message>
    <message>
        <source>The template was written into all %d keyboards.</source>
        <translation>Die Vorlage wurde in alle %d Tastaturen geschrieben.</translation>
    </message>
    <message>
        <source>The template was written into %d of %d keyboards:</source>
        <translation>Die Vorlage wurde in %d von %d Tastaturen geschrieben:</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; can&apos;t be created !!</source>
        <translation>Das Sicherungsverzeichnis: &lt;%s&gt; kann nicht angelegt werden !!</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; is not yours alone: it must belong to you and no one else may write to it !!</source>
        <translation>Das Sicherungsverzeichnis: &lt;%s&gt; gehört nicht Ihnen allein: Es muss Ihnen gehören, und niemand sonst darf darin schreiben !!</translation>
    </message>
    <message>
        <source>The keyboard&apos;s template could not be read for its backup: nothing was written.</source>
        <translation>Die Vorlage der Tastatur konnte für ihre Sicherung nicht gelesen werden: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The template was written, but reading it back failed.</source>
        <translation>Die Vorlage wurde geschrieben, aber das Zurücklesen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>Eine Tastatur der PX-Serie wurde gefunden, aber dieser Benutzer darf sie nicht öffnen: Installieren Sie die udev-Regel 70-vexa-keyboard.rules (siehe README, &quot;USB permissions&quot;).</translation>
    </message>
    <message>
        <source>The template was written into the keyboard.</source>
        <translation>Die Vorlage wurde in die Tastatur geschrieben.</translation>
    </message>
    <message>
        <source>The template was written into the keyboard %s.</source>
        <translation>Die Vorlage wurde in die Tastatur %s geschrieben.</translation>
    </message>
    <message>
        <source>The template was read from the keyboard.</source>
        <translation>Die Vorlage wurde aus der Tastatur gelesen.</translation>
    </message>
    <message>
        <source>The window closes when the transfer with the keyboard has ended.</source>
        <translation>Das Fenster wird geschlossen, sobald die Übertragung mit der Tastatur beendet ist.</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>Die Datei der simulierten Tastatur: &lt;%s&gt; kann nicht geöffnet werden !!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; is not a keyboard memory (%d bytes; it must have 2048)!!</source>
        <translation>Die Datei der simulierten Tastatur: &lt;%s&gt; ist kein Tastaturspeicher (%d Byte; es müssen 2048 sein)!!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Die Datei der simulierten Tastatur: &lt;%s&gt; kann nicht geschrieben werden !!</translation>
    </message>
    <message>
        <source>The simulated keyboard directory: &lt;%s&gt; holds no .bin file !!</source>
        <translation>Das Verzeichnis der simulierten Tastaturen: &lt;%s&gt; enthält keine .bin-Datei !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too long (%d bytes; a template has 2048)!!</source>
        <translation>Die Vorlagendatei: &lt;%s&gt; ist zu lang (%d Byte; eine Vorlage hat 2048)!!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; holds key data that can&apos;t be decoded (key slot %d)!!</source>
        <translation>Die Vorlagendatei: &lt;%s&gt; enthält Tastendaten, die nicht dekodiert werden können (Tastenplatz %d)!!</translation>
    </message>
    <message>
        <source>The keyboard holds other data than was written: block(s) %s differ!!</source>
        <translation>Die Tastatur enthält andere Daten als geschrieben: Block/Blöcke %s weichen ab!!</translation>
    </message>
    <message>
        <source>The template the keyboard held before is in %s: &apos;vexa-cli keyboard write %s&apos; puts it back.</source>
        <translation>Die Vorlage, die die Tastatur vorher enthielt, liegt in %s: &apos;vexa-cli keyboard write %s&apos; stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Write it again, or another template; --backup FILE saves the keyboard&apos;s template before a write.</source>
        <translation>Schreiben Sie sie erneut oder eine andere Vorlage; --backup FILE sichert die Vorlage der Tastatur vor dem Schreiben.</translation>
    </message>
    <message>
        <source>%d PX series keyboards are connected; this uses %s. --device PATH picks another (&apos;vexa-cli keyboard list&apos; shows them), &apos;write --all&apos; writes them all.</source>
        <translation>%d Tastaturen der PX-Serie sind angeschlossen; verwendet wird %s. --device PATH wählt eine andere (&apos;vexa-cli keyboard list&apos; zeigt sie an), &apos;write --all&apos; schreibt in alle.</translation>
    </message>
    <message>
        <source>&apos;vexa-cli keyboard list&apos; shows the keyboards connected.</source>
        <translation>&apos;vexa-cli keyboard list&apos; zeigt die angeschlossenen Tastaturen an.</translation>
    </message>
    <message>
        <source>The simulated keyboard saw a protocol violation: %s</source>
        <translation>Die simulierte Tastatur hat eine Protokollverletzung festgestellt: %s</translation>
    </message>
    <message>
        <source>Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).</source>
        <translation>Warten auf Tastaturen: Stecken Sie eine ein, um in sie zu schreiben; Strg+C beendet (laufende Schreibvorgänge werden abgeschlossen).</translation>
    </message>
    <message>
        <source>Stopping: the writes under way are finished first.</source>
        <translation>Wird beendet: Laufende Schreibvorgänge werden zuerst abgeschlossen.</translation>
    </message>
    <message>
        <source>%d written, %d verified, %d unchanged, %d failed.</source>
        <translation>%d geschrieben, %d geprüft, %d unverändert, %d fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The log file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Die Protokolldatei: &lt;%s&gt; kann nicht geschrieben werden !!</translation>
    </message>
    <message>
        <source>Plugged keyboards can&apos;t be watched: the system&apos;s device events are not available (%s)!!</source>
        <translation>Eingesteckte Tastaturen können nicht überwacht werden: Die Geräteereignisse des Systems sind nicht verfügbar (%s)!!</translation>
    </message>
    <message>
        <source>Not a keyboard plugged in: %s</source>
        <translation>Keine eingesteckte Tastatur: %s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds this template; nothing was written</source>
        <translation>unchanged: Die Tastatur enthält diese Vorlage bereits; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>verified: the keyboard holds the 2048 bytes written</source>
        <translation>verified: Die Tastatur enthält die 2048 geschriebenen Bytes</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged In</source>
        <translation>Tastaturen beim Einstecken programmieren</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged &amp;In...</source>
        <translation>Tastaturen beim &amp;Einstecken programmieren...</translation>
    </message>
    <message>
        <source>The current template</source>
        <translation>Die aktuelle Vorlage</translation>
    </message>
    <message>
        <source>A template file:</source>
        <translation>Eine Vorlagendatei:</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Back up each keyboard&apos;s template into:</source>
        <translation>Vorlage jeder Tastatur sichern in:</translation>
    </message>
    <message>
        <source>Log into:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schreibt</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>Write a template into every keyboard as it is plugged in</source>
        <translation>Eine Vorlage in jede Tastatur schreiben, sobald sie eingesteckt wird</translation>
    </message>
    <message>
        <source>Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.</source>
        <translation>Tastaturen werden beim Einstecken nur über USB programmiert: Wählen Sie beim Start den USB-Anschluss.</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Card data prefix string error!</source>
        <translation>Fehler in der Präfix-Zeichenkette der Kartendaten!</translation>
    </message>
    <message>
        <source>Card data suffix string error!</source>
        <translation>Fehler in der Suffix-Zeichenkette der Kartendaten!</translation>
    </message>
    <message>
        <source>Track1 prefix string error!</source>
        <translation>Fehler in der Präfix-Zeichenkette von Spur 1!</translation>
    </message>
    <message>
        <source>Track1 suffix string error!</source>
        <translation>Fehler in der Suffix-Zeichenkette von Spur 1!</translation>
    </message>
    <message>
        <source>Track1 field terminator error!</source>
        <translation>Fehler im Feldabschluss von Spur 1!</translation>
    </message>
    <message>
        <source>Track2 prefix string error!</source>
        <translation>Fehler in der Präfix-Zeichenkette von Spur 2!</translation>
    </message>
    <message>
        <source>Track2 suffix string error!</source>
        <translation>Fehler in der Suffix-Zeichenkette von Spur 2!</translation>
    </message>
    <message>
        <source>Track2 field terminator error!</source>
        <translation>Fehler im Feldabschluss von Spur 2!</translation>
    </message>
    <message>
        <source>Track3 prefix string error!</source>
        <translation>Fehler in der Präfix-Zeichenkette von Spur 3!</translation>
    </message>
    <message>
        <source>Track3 suffix string error!</source>
        <translation>Fehler in der Suffix-Zeichenkette von Spur 3!</translation>
    </message>
    <message>
        <source>Track3 field terminator error!</source>
        <translation>Fehler im Feldabschluss von Spur 3!</translation>
    </message>
    <message>
        <source>Config KB properties</source>
        <translation>Tastatureigenschaften konfigurieren</translation>
    </message>
    <message>
        <source>Send break-code for scan code mode key</source>
        <translation>Break-Code für Tasten im Scancode-Modus senden</translation>
    </message>
    <message>
        <source>Enable beeping when a key typed</source>
        <translation>Signalton bei Tastendruck</translation>
    </message>
    <message>
        <source>No beeping if a key is not defined</source>
        <translation>Kein Signalton bei nicht belegter Taste</translation>
    </message>
    <message>
        <source>Translate scan code set#2 for PC/AT</source>
        <translation>Scancode-Set 2 für PC/AT übersetzen</translation>
    </message>
    <message>
        <source>Use &lt;Alt&gt;+number key to make ASCII code</source>
        <translation>ASCII-Code mit &lt;Alt&gt;+Zifferntaste erzeugen</translation>
    </message>
    <message>
        <source>Enable typematic for scan code</source>
        <translation>Tastenwiederholung für Scancode</translation>
    </message>
    <message>
        <source>Enable typematic for ASCII code</source>
        <translation>Tastenwiederholung für ASCII-Code</translation>
    </message>
    <message>
        <source>Use port</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>7 Bits</source>
        <translation>7 Bit</translation>
    </message>
    <message>
        <source>8 Bits</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Keyboard features</source>
        <translation>Tastaturfunktionen</translation>
    </message>
    <message>
        <source>RS232 port</source>
        <translation>RS232-Anschluss</translation>
    </message>
    <message>
        <source>Inter-character delay(mS)</source>
        <translation>Zeichenverzögerung (ms)</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Parity check:</source>
        <translation>Paritätsprüfung:</translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation>Kartenleser (MR) konfigurieren</translation>
    </message>
    <message>
        <source>Card Data Prefix:</source>
        <translation>Kartendaten-Präfix:</translation>
    </message>
    <message>
        <source>Card Data Suffix:</source>
        <translation>Kartendaten-Suffix:</translation>
    </message>
    <message>
        <source>Enable beep at good read</source>
        <translation>Signalton bei korrektem Lesen</translation>
    </message>
    <message>
        <source>Enable 3 beepsat card read error</source>
        <translation>3 Signaltöne bei Lesefehler</translation>
    </message>
    <message>
        <source>Skip output of track with error</source>
        <translation>Fehlerhafte Spur nicht ausgeben</translation>
    </message>
    <message>
        <source>No data output with any error</source>
        <translation>Bei jedem Fehler keine Daten ausgeben</translation>
    </message>
    <message>
        <source>Track1 Properties</source>
        <translation>Eigenschaften Spur 1</translation>
    </message>
    <message>
        <source>Track2 Properties</source>
        <translation>Eigenschaften Spur 2</translation>
    </message>
    <message>
        <source>Track3 Properties</source>
        <translation>Eigenschaften Spur 3</translation>
    </message>
    <message>
        <source>Enable data</source>
        <translation>Daten ausgeben</translation>
    </message>
    <message>
        <source>Enable start sentinel</source>
        <translation>Startzeichen ausgeben</translation>
    </message>
    <message>
        <source>Enable end sentinel</source>
        <translation>Endzeichen ausgeben</translation>
    </message>
    <message>
        <source>Enable LRC output</source>
        <translation>LRC ausgeben</translation>
    </message>
    <message>
        <source>Enable separator</source>
        <translation>Trennzeichen ausgeben</translation>
    </message>
    <message>
        <source>Enable seperator</source>
        <translation>Trennzeichen ausgeben</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Field Terminator:</source>
        <translation>Feldabschluss:</translation>
    </message>
    <message>
        <source>Key Code Test Output:</source>
        <translation>Tastencode-Testausgabe:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Esc three times: Quit</source>
        <translation>Dreimal Esc: Beenden</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation>Eine neue Vorlage anlegen</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Laden...	Ctrl+L</translation>
    </message>
    <message>
        <source>Load from template file</source>
        <translation>Aus einer Vorlagendatei laden</translation>
    </message>
    <message>
        <source>Load Template</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save to template file</source>
        <translation>In einer Vorlagendatei speichern</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Vorlage speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active Template with a new name</source>
        <translation>Die aktive Vorlage unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Load &amp;Default	Ctrl+D</source>
        <translation>St&amp;andardvorlage laden	Ctrl+D</translation>
    </message>
    <message>
        <source>Load default template</source>
        <translation>Die Standardvorlage laden</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Import Text Data	Ctrl+I</source>
        <translation>Textdaten &amp;importieren	Ctrl+I</translation>
    </message>
    <message>
        <source>Import template data from a text file</source>
        <translation>Vorlagendaten aus einer Textdatei importieren</translation>
    </message>
    <message>
        <source>Import text data</source>
        <translation>Textdaten importieren</translation>
    </message>
    <message>
        <source>&amp;Export Text Data	Ctrl+E</source>
        <translation>Textdaten &amp;exportieren	Ctrl+E</translation>
    </message>
    <message>
        <source>Export template data from a text file</source>
        <translation>Vorlagendaten in eine Textdatei exportieren</translation>
    </message>
    <message>
        <source>Export text data</source>
        <translation>Textdaten exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the keys with their labels and contents</source>
        <translation>Die Tasten mit ihren Beschriftungen und Inhalten drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export Pic&amp;ture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the keys with their labels and contents as an SVG, PNG or PDF picture</source>
        <translation>Die Tasten mit ihren Beschriftungen und Inhalten als SVG-, PNG- oder PDF-Bild speichern</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Select PX2100 keyboard</source>
        <translation>PX2100-Tastatur auswählen</translation>
    </message>
    <message>
        <source>Select PX2200 keyboard</source>
        <translation>PX2200-Tastatur auswählen</translation>
    </message>
    <message>
        <source>Select PX2400 keyboard</source>
        <translation>PX2400-Tastatur auswählen</translation>
    </message>
    <message>
        <source>Select DV3300 keyboard</source>
        <translation>DV3300-Tastatur auswählen</translation>
    </message>
    <message>
        <source>Select DV3500 keyboard</source>
        <translation>DV3500-Tastatur auswählen</translation>
    </message>
    <message>
        <source>Select DV3100 Keyboard</source>
        <translation>DV3100-Tastatur auswählen</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change of the template</source>
        <translation>Die letzte Änderung der Vorlage rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederherstellen	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Clear Current Key</source>
        <translation>Aktuelle Taste &amp;leeren</translation>
    </message>
    <message>
        <source>Clear current key content</source>
        <translation>Den Inhalt der aktuellen Taste leeren</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Taste leeren</translation>
    </message>
    <message>
        <source>Set &amp;ASCII Mode</source>
        <translation>&amp;ASCII-Modus einstellen</translation>
    </message>
    <message>
        <source>Set key to ASCII code mode</source>
        <translation>Die Taste auf den ASCII-Modus einstellen</translation>
    </message>
    <message>
        <source>ASCII code mode</source>
        <translation>ASCII-Modus</translation>
    </message>
    <message>
        <source>Set &amp;ScanCode Mode</source>
        <translation>&amp;Scancode-Modus einstellen</translation>
    </message>
    <message>
        <source>Set key to scan code mode</source>
        <translation>Die Taste auf den Scancode-Modus einstellen</translation>
    </message>
    <message>
        <source>Scan code mode</source>
        <translation>Scancode-Modus</translation>
    </message>
    <message>
        <source>Insert Ca&amp;ps Code</source>
        <translation>Ca&amp;ps-Code einfügen</translation>
    </message>
    <message>
        <source>Insert a Caps function code</source>
        <translation>Einen Caps-Funktionscode einfügen</translation>
    </message>
    <message>
        <source>Insert caps code</source>
        <translation>Caps-Code einfügen</translation>
    </message>
    <message>
        <source>Insert &amp;Delay Time</source>
        <translation>&amp;Verzögerungszeit einfügen</translation>
    </message>
    <message>
        <source>Insert inter-string delay time function code</source>
        <translation>Funktionscode für eine Verzögerungszeit zwischen Zeichenfolgen einfügen</translation>
    </message>
    <message>
        <source>Insert Delay time</source>
        <translation>Verzögerungszeit einfügen</translation>
    </message>
    <message>
        <source>Enter &amp;Level Separator</source>
        <translation>Ebenen&amp;trenner eingeben</translation>
    </message>
    <message>
        <source>Enter level-separator function code</source>
        <translation>Funktionscode für den Ebenentrenner eingeben</translation>
    </message>
    <message>
        <source>Enter Level separator</source>
        <translation>Ebenentrenner eingeben</translation>
    </message>
    <message>
        <source>Enter S&amp;hift Level code</source>
        <translation>&amp;Umschaltebenen-Code eingeben</translation>
    </message>
    <message>
        <source>Enter multi-level function code</source>
        <translation>Funktionscode für eine Umschaltebene eingeben</translation>
    </message>
    <message>
        <source>Multi-level code</source>
        <translation>Umschaltebenen-Code</translation>
    </message>
    <message>
        <source>&amp;Enter ASCII Code</source>
        <translation>ASCII-&amp;Code eingeben</translation>
    </message>
    <message>
        <source>Enter ASCII code as decimal</source>
        <translation>ASCII-Code als Dezimalzahl eingeben</translation>
    </message>
    <message>
        <source>Enter ASCII code</source>
        <translation>ASCII-Code eingeben</translation>
    </message>
    <message>
        <source>S&amp;witch ASCII Display mode</source>
        <translation>ASCII-Anzeige&amp;modus wechseln</translation>
    </message>
    <message>
        <source>Switch ASCII display mode</source>
        <translation>ASCII-Anzeigemodus wechseln</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Anzeigemodus</translation>
    </message>
    <message>
        <source>Select Scan C&amp;ode</source>
        <translation>Sca&amp;ncode auswählen</translation>
    </message>
    <message>
        <source>Enter scan code from list</source>
        <translation>Scancode aus einer Liste eingeben</translation>
    </message>
    <message>
        <source>Enter Scan code</source>
        <translation>Scancode eingeben</translation>
    </message>
    <message>
        <source>&amp;Read From KB</source>
        <translation>Aus der Tastatur &amp;lesen</translation>
    </message>
    <message>
        <source>Read data from keyboard</source>
        <translation>Daten aus der Tastatur lesen</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>&amp;Write Into KB</source>
        <translation>In die Tastatur &amp;schreiben</translation>
    </message>
    <message>
        <source>Write data into keyboard</source>
        <translation>Daten in die Tastatur schreiben</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Config &amp;KB Properties</source>
        <translation>&amp;Tastatureigenschaften konfigurieren</translation>
    </message>
    <message>
        <source>Config &amp;MR properties</source>
        <translation>Kartenleser (&amp;MR) konfigurieren</translation>
    </message>
    <message>
        <source>Config MR</source>
        <translation>Kartenleser konfigurieren</translation>
    </message>
    <message>
        <source>Config RS232 protocol</source>
        <translation>RS232-Protokoll konfigurieren</translation>
    </message>
    <message>
        <source>Config RS232</source>
        <translation>RS232 konfigurieren</translation>
    </message>
    <message>
        <source>Communication &amp;Port...</source>
        <translation>Kommunikations&amp;anschluss...</translation>
    </message>
    <message>
        <source>Choose the port to the keyboard: PS/2 or USB</source>
        <translation>Den Anschluss zur Tastatur wählen: PS/2 oder USB</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Kommunikationsanschluss</translation>
    </message>
    <message>
        <source>Keyboard Output</source>
        <translation>Tastaturausgabe</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;About VEXA...</source>
        <translation>&amp;Über VEXA...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Key Word &amp;List</source>
        <translation>Schlüsselwort&amp;liste</translation>
    </message>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabelle der Schlüsselwörter für Sonderfunktionen</translation>
    </message>
    <message>
        <source>Key Word</source>
        <translation>Schlüsselwort</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation>Ta&amp;statur</translation>
    </message>
    <message>
        <source>&amp;Key Edit</source>
        <translation>&amp;Tastenbearbeitung</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>T&amp;esting</source>
        <translation>T&amp;est</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>unbekannte Option &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos; (put -- before an argument that begins with a dash)</source>
        <translation>unbekannte Option &apos;%s&apos; (setzen Sie -- vor ein Argument, das mit einem Bindestrich beginnt)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>option --%s belongs to %s</source>
        <translation>Option --%s gehört zu %s</translation>
    </message>
    <message>
        <source>Try &apos;vexa-cli --help&apos;.</source>
        <translation>Siehe &apos;vexa-cli --help&apos;.</translation>
    </message>
    <message>
        <source>option %s is given more than once</source>
        <translation>Option %s ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>Usage: vexa-cli content check TEXT...
       vexa-cli content encode TEXT
       vexa-cli content length TEXT
       vexa-cli content decode HEX...
       vexa-cli content decimal TEXT
       vexa-cli content words

Works on key contents: the text of one key, made of plain characters, the
escapes [[ and ]] for a literal bracket, and bracketed key words such as [CR],
[Delay5], [F1] or [PageUp]. Texts and output are raw 8-bit bytes.

  check    one line per TEXT: &apos;ascii&apos; (a valid ASCII mode content, the empty
           text too), &apos;scancode&apos; (valid in scan code mode only) or &apos;invalid&apos;
  encode   the bytes the key stores (without its 00 terminator), as uppercase
           hex pairs separated by a space; an empty line when there are none
  length   the number of bytes the key takes in the keyboard memory (without
           its terminator), as the editor counts the space left
  decode   the content text of one stored key string, given as hex pairs
           (spaces optional; no 00, which ends a key string)
  decimal  the decimal display of an ASCII mode content: every character as
           its byte value in brackets, function words unchanged
  words    the key word list: every named scan code word with its meaning

Put -- before a TEXT that begins with a dash.

Examples:
  vexa-cli content check &apos;Coffee[CR]&apos; &apos;[F1][Shift][A]&apos; &apos;[F1]a&apos;
  vexa-cli content encode &apos;[PrintScreen][Delay5]&apos;     # FF E0 2A E0 37 FD 05
  vexa-cli content length &apos;[ShiftLevel3]&apos;             # 4
  vexa-cli content decode &apos;FF 3B FE 3C&apos;               # [F1][Separator][F2]
  vexa-cli content decode 410D                        # A[CR]
  vexa-cli content decimal &apos;Ab[CR]&apos;                   # [65][98][CR]
  vexa-cli content encode -- &apos;-5&apos;
</source>
        <translation>Aufruf: vexa-cli content check TEXT...
        vexa-cli content encode TEXT
        vexa-cli content length TEXT
        vexa-cli content decode HEX...
        vexa-cli content decimal TEXT
        vexa-cli content words

Arbeitet mit Tasteninhalten: dem Text einer Taste aus einfachen Zeichen, den
Escapes [[ und ]] für eine wörtliche Klammer und Schlüsselwörtern in Klammern
wie [CR], [Delay5], [F1] oder [PageUp]. Texte und Ausgabe sind rohe 8-Bit-Bytes.

  check    eine Zeile pro TEXT: &apos;ascii&apos; (gültiger Inhalt im ASCII-Modus, auch
           der leere Text), &apos;scancode&apos; (nur im Scancode-Modus gültig), &apos;invalid&apos;
  encode   die Bytes, die die Taste speichert (ohne ihr abschließendes 00), als
           Hex-Paare in Großbuchstaben mit Leerzeichen; leere Zeile, wenn keine
  length   die Anzahl Bytes, die die Taste im Tastaturspeicher belegt (ohne ihr
           Endzeichen), so wie der Editor den freien Platz zählt
  decode   der Inhaltstext einer gespeicherten Tastenzeichenkette, als Hex-Paare
           (Leerzeichen optional; kein 00, das eine Tastenzeichenkette beendet)
  decimal  die dezimale Anzeige eines Inhalts im ASCII-Modus: jedes Zeichen als
           sein Bytewert in Klammern, Funktionswörter unverändert
  words    die Schlüsselwortliste: jedes benannte Scancode-Wort mit Bedeutung

Setzen Sie -- vor einen TEXT, der mit einem Bindestrich beginnt.

Beispiele:
  vexa-cli content check &apos;Coffee[CR]&apos; &apos;[F1][Shift][A]&apos; &apos;[F1]a&apos;
  vexa-cli content encode &apos;[PrintScreen][Delay5]&apos;     # FF E0 2A E0 37 FD 05
  vexa-cli content length &apos;[ShiftLevel3]&apos;             # 4
  vexa-cli content decode &apos;FF 3B FE 3C&apos;               # [F1][Separator][F2]
  vexa-cli content decode 410D                        # A[CR]
  vexa-cli content decimal &apos;Ab[CR]&apos;                   # [65][98][CR]
  vexa-cli content encode -- &apos;-5&apos;
</translation>
    </message>
    <message>
        <source>HEX must be pairs of hex digits: &apos;%s&apos;</source>
        <translation>HEX muss aus Paaren von Hexadezimalziffern bestehen: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>not a hex digit in HEX: &apos;%s&apos;</source>
        <translation>keine Hexadezimalziffer in HEX: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>HEX holds 00, which ends a key string: &apos;%s&apos;</source>
        <translation>HEX enthält 00, das eine Tastenzeichenkette beendet: &apos;%s&apos;</translation>
    </message>
    <message>
        <source>&apos;content %s&apos; takes exactly one TEXT (quote it when it holds blanks)</source>
        <translation>&apos;content %s&apos; erwartet genau einen TEXT (setzen Sie ihn in Anführungszeichen, wenn er Leerzeichen enthält)</translation>
    </message>
    <message>
        <source>&apos;content&apos; needs a sub-command: check, encode, length, decode, decimal, words</source>
        <translation>&apos;content&apos; braucht einen Unterbefehl: check, encode, length, decode, decimal, words</translation>
    </message>
    <message>
        <source>&apos;content check&apos; needs at least one TEXT</source>
        <translation>&apos;content check&apos; braucht mindestens einen TEXT</translation>
    </message>
    <message>
        <source>&apos;content decode&apos; needs the HEX bytes of a key string</source>
        <translation>&apos;content decode&apos; braucht die HEX-Bytes einer Tastenzeichenkette</translation>
    </message>
    <message>
        <source>&apos;content words&apos; takes no arguments</source>
        <translation>&apos;content words&apos; erwartet keine Argumente</translation>
    </message>
    <message>
        <source>unknown sub-command &apos;%s&apos; for &apos;content&apos;</source>
        <translation>unbekannter Unterbefehl &apos;%s&apos; für &apos;content&apos;</translation>
    </message>
    <message>
        <source>Usage: vexa-cli keyboard list [--port usb] [--json] [--verbose]
                              [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard detect [--port usb|ps2] [--device PATH]
                                [--ps2-device NODE] [--json] [--verbose]
                                [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard read OUT.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin [--port usb|ps2] [--device PATH]
                                      [--ps2-device NODE] [--verify]
                                      [--if-different] [--backup FILE]
                                      [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard write IN.bin --all [--port usb] [--verify]
                                      [--if-different] [--backup DIR]
                                      [--json] [--verbose]
                                      [--simulate-keyboard FILE|DIR]
       vexa-cli keyboard watch IN.bin [--verify] [--if-different]
                                      [--backup DIR] [--log FILE] [--json]
                                      [--count N] [--new-only] [--verbose]
                                      [--simulate-keyboard DIR]

Talks to a connected PX series keyboard and moves its template (the 2048-byte
memory image) as 64 blocks of 32 bytes.

  list    prints one line per connected USB keyboard:
          PATH&lt;TAB&gt;PRODUCT&lt;TAB&gt;SERIAL&lt;TAB&gt;STATE, STATE being &quot;ready&quot;,
          &quot;no permission&quot; (see the README, &quot;USB permissions&quot;) or &quot;not
          answering&quot;; SERIAL is empty when the keyboard has none. With no
          keyboard it prints nothing (stderr says so) and exits 0. Each usable
          keyboard is asked for one report: don&apos;t list while another program
          transfers with a keyboard
  detect  looks for the keyboard and prints &quot;found&quot; with the device path
  read    reads the keyboard&apos;s template and writes it to OUT.bin; when any
          block fails nothing is written
  write   writes the template file IN.bin into the keyboard. The file is
          checked before the keyboard is touched: 2048 bytes, key data that
          decode, are valid and fit. A write that fails half-way leaves the
          keyboard with a partly written template: write it again before use
  watch   a provisioning station: checks IN.bin once, writes every keyboard
          connected (unless --new-only), then every keyboard plugged in, each
          once per plug-in, several at once. Plugged keyboards are found
          through the system&apos;s device events (udev), each checked as
          detection checks it; a keyboard done or failed is left alone until
          it is unplugged and plugged in again. One line per finished
          keyboard on stdout, as &apos;write --all&apos; prints it; on a terminal a
          live table of the keyboards in work on stderr. Ctrl+C (SIGINT,
          SIGTERM) stops the waiting, lets the writes under way finish,
          prints the summary (written, verified, unchanged, failed) and
          exits 0 only when none failed

Over USB only the keyboard is opened: the system is asked for the HID devices
with the keyboard&apos;s vendor and product id (0fa8:c280), and each is checked
before anything is sent to it. A keyboard unplugged and plugged in again is
found again, also within one command (write --verify). Without --device the
first keyboard found is used.

Several keyboards (USB): &apos;list&apos; shows them, --device PATH picks one, and
&apos;write --all&apos; writes every connected keyboard at the same time, one worker
per keyboard, in about the time of one. It ends with one line per keyboard
on stdout: PATH&lt;TAB&gt;SERIAL&lt;TAB&gt;RESULT, RESULT being &quot;written&quot;, &quot;verified&quot;
or the error (&quot;Data Written Error, Count=N&quot; and what it means). A keyboard
that fails never stops the others; the exit status is 0 only when every
keyboard succeeded. The PS/2 port stays one keyboard: a PC has one keyboard
port, so --device and --all are for USB only.

Options:
  --port usb|ps2           USB (default) or the PS/2 keyboard port: the
                           kernel&apos;s serio_raw driver takes the i8042
                           keyboard port for the transfer and gives it
                           back to the keyboard driver afterwards (as
                           root, or through pkexec and an administrator&apos;s
                           password); see the README, &quot;PS/2 on Linux&quot;
  --device PATH            USB: use the keyboard at PATH (a hidraw node as
                           &apos;list&apos; prints it), checked before anything is
                           sent; a path that is not a connected keyboard
                           is refused
  --all                    write: every connected USB keyboard at once
  --ps2-device NODE        PS/2 through NODE, an already bound serio_raw
                           device (/dev/serio_rawN) or anything that
                           speaks like one; nothing is bound; implies
                           --port ps2
  --if-different           read the keyboard&apos;s template first and write only
                           when it differs; otherwise the result is
                           &quot;unchanged&quot; (exit status 0)
  --json                   stdout holds JSON only (messages stay on stderr):
                           list one array of {path, product, serial,
                           state}; detect one {found, port, path}; write
                           --all and watch one object per keyboard and line:
                           {path, serial, product, result, error, started,
                           finished, sha256}, result being &quot;written&quot;,
                           &quot;verified&quot;, &quot;unchanged&quot; or &quot;failed&quot; (then error
                           holds the message, else it is null); times in UTC
  --log FILE               watch: append each keyboard&apos;s JSON object to FILE,
                           synced to the disk as it is written
  --count N                watch: end after N keyboards
  --new-only               watch: leave the keyboards connected at the start
                           alone
  --verify                 after writing, read the whole template back and
                           compare; the blocks that differ are named
  --backup FILE            before writing, read the keyboard&apos;s template and
                           save it in FILE; nothing is written if that fails
  --backup DIR             with --all: one backup per keyboard in DIR
                           (created when missing), named after the
                           keyboard&apos;s serial number, or its path when it
                           has none or shares it: DIR/SERIAL.bin
  --verbose                print the USB port&apos;s diagnostic lines (detection,
                           identity checks) on stderr
  --simulate-keyboard FILE use a simulated keyboard whose memory is kept in
                           FILE (created with an empty template when missing)
  --simulate-keyboard DIR  several simulated USB keyboards, one per .bin file
                           in DIR, each with the file&apos;s name as its serial
                           number (the first one is also on PS/2); with
                           watch a .bin file that appears in DIR is a
                           keyboard plugged in, one that goes is unplugged

Progress goes to stderr: on a terminal a bar (one line per keyboard with
--all), else plain percentages. A write takes about 16 seconds over USB;
don&apos;t unplug the keyboard meanwhile.

Examples:
  vexa-cli keyboard detect
  vexa-cli keyboard list
  vexa-cli keyboard read shop.bin
  vexa-cli keyboard write shop.bin --verify --backup before.bin
  vexa-cli keyboard write shop.bin --device /dev/hidraw5 --verify
  vexa-cli keyboard write shop.bin --all --verify --backup before/
  vexa-cli keyboard write shop.bin --all --if-different --json
  vexa-cli keyboard watch shop.bin --verify --backup before/ --log station.log
  vexa-cli keyboard write shop.bin --port ps2
  vexa-cli keyboard read shop.bin --ps2-device /dev/serio_raw0
  vexa-cli keyboard read sim.bin --simulate-keyboard ~/px2400-sim.bin
</source>
        <translation>Aufruf: vexa-cli keyboard list [--port usb] [--json] [--verbose]
                               [--simulate-keyboard FILE|DIR]
        vexa-cli keyboard detect [--port usb|ps2] [--device PATH]
                                 [--ps2-device NODE] [--json] [--verbose]
                                 [--simulate-keyboard FILE|DIR]
        vexa-cli keyboard read OUT.bin [--port usb|ps2] [--device PATH]
                                       [--ps2-device NODE] [--verbose]
                                       [--simulate-keyboard FILE|DIR]
        vexa-cli keyboard write IN.bin [--port usb|ps2] [--device PATH]
                                       [--ps2-device NODE] [--verify]
                                       [--if-different] [--backup FILE]
                                       [--verbose]
                                       [--simulate-keyboard FILE|DIR]
        vexa-cli keyboard write IN.bin --all [--port usb] [--verify]
                                       [--if-different] [--backup DIR]
                                       [--json] [--verbose]
                                       [--simulate-keyboard FILE|DIR]
        vexa-cli keyboard watch IN.bin [--verify] [--if-different]
                                       [--backup DIR] [--log FILE] [--json]
                                       [--count N] [--new-only] [--verbose]
                                       [--simulate-keyboard DIR]

Spricht mit einer angeschlossenen Tastatur der PX-Serie und überträgt ihre
Vorlage (das 2048 Byte große Speicherabbild) als 64 Blöcke zu 32 Byte.

  list    gibt eine Zeile pro angeschlossener USB-Tastatur aus:
          PATH&lt;TAB&gt;PRODUCT&lt;TAB&gt;SERIAL&lt;TAB&gt;STATE, wobei STATE &quot;ready&quot;,
          &quot;no permission&quot; (siehe README, &quot;USB permissions&quot;) oder &quot;not
          answering&quot; ist; SERIAL ist leer, wenn die Tastatur keine hat. Ohne
          Tastatur gibt es nichts aus (stderr meldet es) und endet mit 0. Jede
          nutzbare Tastatur wird um einen Bericht gebeten: Rufen Sie list nicht
          auf, während ein anderes Programm Daten mit einer Tastatur überträgt
  detect  sucht die Tastatur und gibt &quot;found&quot; mit dem Gerätepfad aus
  read    liest die Vorlage der Tastatur und schreibt sie nach OUT.bin; wenn
          ein Block fehlschlägt, wird nichts geschrieben
  write   schreibt die Vorlagendatei IN.bin in die Tastatur. Die Datei wird
          geprüft, bevor die Tastatur berührt wird: 2048 Byte, Tastendaten, die
          sich dekodieren lassen, gültig sind und passen. Ein Schreiben, das
          mittendrin fehlschlägt, hinterlässt eine teilweise geschriebene
          Vorlage in der Tastatur: Schreiben Sie sie vor der Verwendung erneut
  watch   eine Programmierstation: prüft IN.bin einmal, schreibt in jede
          angeschlossene Tastatur (außer mit --new-only), dann in jede
          eingesteckte Tastatur, jede einmal pro Einstecken, mehrere zugleich.
          Eingesteckte Tastaturen werden über die Geräteereignisse des Systems
          (udev) gefunden und jeweils so geprüft wie bei detect; eine fertige
          oder fehlgeschlagene Tastatur bleibt unberührt, bis sie abgezogen und
          wieder eingesteckt wird. Eine Zeile pro fertiger Tastatur auf stdout,
          wie &apos;write --all&apos; sie ausgibt; auf einem Terminal eine Live-Tabelle
          der Tastaturen in Arbeit auf stderr. Strg+C (SIGINT, SIGTERM) beendet
          das Warten, lässt laufende Schreibvorgänge zu Ende laufen, gibt die
          Zusammenfassung aus (written, verified, unchanged, failed) und endet
          nur dann mit 0, wenn keine fehlgeschlagen ist

Über USB wird nur die Tastatur geöffnet: Das System wird nach den HID-Geräten
mit der Hersteller- und Produkt-ID der Tastatur (0fa8:c280) gefragt, und jedes
wird geprüft, bevor etwas an es gesendet wird. Eine abgezogene und wieder
eingesteckte Tastatur wird erneut gefunden, auch innerhalb eines Befehls
(write --verify). Ohne --device wird die erste gefundene Tastatur verwendet.

Mehrere Tastaturen (USB): &apos;list&apos; zeigt sie, --device PATH wählt eine aus, und
&apos;write --all&apos; schreibt gleichzeitig in jede angeschlossene Tastatur, ein Worker
pro Tastatur, in etwa der Zeit für eine. Am Ende steht eine Zeile pro Tastatur
auf stdout: PATH&lt;TAB&gt;SERIAL&lt;TAB&gt;RESULT, wobei RESULT &quot;written&quot;, &quot;verified&quot;
oder der Fehler ist (&quot;Fehler beim Schreiben der Daten, Zähler=N&quot; und was er
bedeutet). Eine fehlschlagende Tastatur hält die anderen nie auf; der
Exit-Status ist nur dann 0, wenn jede Tastatur erfolgreich war. Der PS/2-
Anschluss bleibt eine Tastatur: Ein PC hat einen Tastaturanschluss, daher
gelten --device und --all nur für USB.

Optionen:
  --port usb|ps2           USB (Standard) oder der PS/2-Tastaturanschluss: Der
                           Treiber serio_raw des Kernels übernimmt für die
                           Übertragung den i8042-Tastaturanschluss und gibt
                           ihn danach an den Tastaturtreiber zurück (als root
                           oder über pkexec und das Passwort eines
                           Administrators); siehe README, &quot;PS/2 on Linux&quot;
  --device PATH            USB: die Tastatur unter PATH verwenden (ein
                           hidraw-Knoten, wie &apos;list&apos; ihn ausgibt), geprüft,
                           bevor etwas gesendet wird; ein Pfad, der keine
                           angeschlossene Tastatur ist, wird abgelehnt
  --all                    write: jede angeschlossene USB-Tastatur auf einmal
  --ps2-device NODE        PS/2 über NODE, ein bereits gebundenes
                           serio_raw-Gerät (/dev/serio_rawN) oder etwas, das
                           sich wie eines verhält; es wird nichts gebunden;
                           impliziert --port ps2
  --if-different           erst die Vorlage der Tastatur lesen und nur
                           schreiben, wenn sie abweicht; sonst ist das
                           Ergebnis &quot;unchanged&quot; (Exit-Status 0)
  --json                   stdout enthält nur JSON (Meldungen bleiben auf
                           stderr): list ein Array aus {path, product, serial,
                           state}; detect ein {found, port, path}; write
                           --all und watch ein Objekt pro Tastatur und Zeile:
                           {path, serial, product, result, error, started,
                           finished, sha256}, wobei result &quot;written&quot;,
                           &quot;verified&quot;, &quot;unchanged&quot; oder &quot;failed&quot; ist (dann
                           enthält error die Meldung, sonst ist es null);
                           Zeiten in UTC
  --log FILE               watch: das JSON-Objekt jeder Tastatur an FILE
                           anhängen, beim Schreiben auf die Platte gebracht
  --count N                watch: nach N Tastaturen enden
  --new-only               watch: die beim Start angeschlossenen Tastaturen
                           in Ruhe lassen
  --verify                 nach dem Schreiben die ganze Vorlage zurücklesen
                           und vergleichen; abweichende Blöcke werden genannt
  --backup FILE            vor dem Schreiben die Vorlage der Tastatur lesen
                           und in FILE sichern; schlägt das fehl, wird nichts
                           geschrieben
  --backup DIR             mit --all: eine Sicherung pro Tastatur in DIR
                           (wird angelegt, wenn es fehlt), benannt nach der
                           Seriennummer der Tastatur oder nach ihrem Pfad,
                           wenn sie keine hat oder sie teilt: DIR/SERIAL.bin
  --verbose                die Diagnosezeilen des USB-Anschlusses (Erkennung,
                           Identitätsprüfungen) auf stderr ausgeben
  --simulate-keyboard FILE eine simulierte Tastatur verwenden, deren Speicher
                           in FILE liegt (mit einer leeren Vorlage angelegt,
                           wenn die Datei fehlt)
  --simulate-keyboard DIR  mehrere simulierte USB-Tastaturen, eine pro
                           .bin-Datei in DIR, jede mit dem Dateinamen als
                           Seriennummer (die erste auch an PS/2); bei watch
                           ist eine .bin-Datei, die in DIR erscheint, eine
                           eingesteckte Tastatur, eine, die verschwindet,
                           eine abgezogene

Der Fortschritt geht an stderr: auf einem Terminal ein Balken (eine Zeile pro
Tastatur bei --all), sonst einfache Prozentangaben. Ein Schreiben dauert über
USB etwa 16 Sekunden; ziehen Sie die Tastatur währenddessen nicht ab.

Beispiele:
  vexa-cli keyboard detect
  vexa-cli keyboard list
  vexa-cli keyboard read shop.bin
  vexa-cli keyboard write shop.bin --verify --backup before.bin
  vexa-cli keyboard write shop.bin --device /dev/hidraw5 --verify
  vexa-cli keyboard write shop.bin --all --verify --backup before/
  vexa-cli keyboard write shop.bin --all --if-different --json
  vexa-cli keyboard watch shop.bin --verify --backup before/ --log station.log
  vexa-cli keyboard write shop.bin --port ps2
  vexa-cli keyboard read shop.bin --ps2-device /dev/serio_raw0
  vexa-cli keyboard read sim.bin --simulate-keyboard ~/px2400-sim.bin
</translation>
    </message>
    <message>
        <source>--port takes usb or ps2, not &apos;%s&apos;</source>
        <translation>--port erwartet usb oder ps2, nicht &apos;%s&apos;</translation>
    </message>
    <message>
        <source>--simulate-keyboard needs a file name</source>
        <translation>--simulate-keyboard braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--ps2-device needs a device node</source>
        <translation>--ps2-device braucht einen Geräteknoten</translation>
    </message>
    <message>
        <source>--ps2-device goes with --port ps2</source>
        <translation>--ps2-device gehört zu --port ps2</translation>
    </message>
    <message>
        <source>--ps2-device and --simulate-keyboard exclude each other</source>
        <translation>--ps2-device und --simulate-keyboard schließen einander aus</translation>
    </message>
    <message>
        <source>--device needs a device path (&apos;vexa-cli keyboard list&apos; prints them)</source>
        <translation>--device braucht einen Gerätepfad (&apos;vexa-cli keyboard list&apos; gibt sie aus)</translation>
    </message>
    <message>
        <source>--device names a USB keyboard: the PS/2 port has one keyboard</source>
        <translation>--device benennt eine USB-Tastatur: Am PS/2-Anschluss hängt nur eine Tastatur</translation>
    </message>
    <message>
        <source>list shows USB keyboards: the PS/2 port has one keyboard (&apos;keyboard detect --port ps2&apos;)</source>
        <translation>list zeigt USB-Tastaturen: Am PS/2-Anschluss hängt nur eine Tastatur (&apos;keyboard detect --port ps2&apos;)</translation>
    </message>
    <message>
        <source>list takes no file</source>
        <translation>list erwartet keine Datei</translation>
    </message>
    <message>
        <source>detect takes no file</source>
        <translation>detect erwartet keine Datei</translation>
    </message>
    <message>
        <source>read takes one output file</source>
        <translation>read erwartet eine Ausgabedatei</translation>
    </message>
    <message>
        <source>--backup needs a directory</source>
        <translation>--backup braucht ein Verzeichnis</translation>
    </message>
    <message>
        <source>--backup needs a file name</source>
        <translation>--backup braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--all writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>--all schreibt in USB-Tastaturen: Am PS/2-Anschluss hängt nur eine Tastatur</translation>
    </message>
    <message>
        <source>--all and --device exclude each other</source>
        <translation>--all und --device schließen einander aus</translation>
    </message>
    <message>
        <source>--json goes with write --all: one object per keyboard</source>
        <translation>--json gehört zu write --all: ein Objekt pro Tastatur</translation>
    </message>
    <message>
        <source>write takes one template file</source>
        <translation>write erwartet eine Vorlagendatei</translation>
    </message>
    <message>
        <source>watch writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>watch schreibt in USB-Tastaturen: Am PS/2-Anschluss hängt nur eine Tastatur</translation>
    </message>
    <message>
        <source>watch takes one template file</source>
        <translation>watch erwartet eine Vorlagendatei</translation>
    </message>
    <message>
        <source>--log needs a file name</source>
        <translation>--log braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--count takes a positive number, not &apos;%s&apos;</source>
        <translation>--count erwartet eine positive Zahl, nicht &apos;%s&apos;</translation>
    </message>
    <message>
        <source>watch simulates keyboards with a directory: --simulate-keyboard DIR</source>
        <translation>watch simuliert Tastaturen mit einem Verzeichnis: --simulate-keyboard DIR</translation>
    </message>
    <message>
        <source>keyboard needs a subcommand: list, detect, read, write or watch</source>
        <translation>keyboard braucht einen Unterbefehl: list, detect, read, write oder watch</translation>
    </message>
    <message>
        <source>unknown keyboard subcommand &apos;%s&apos;</source>
        <translation>unbekannter Unterbefehl &apos;%s&apos; für keyboard</translation>
    </message>
    <message>
        <source>Usage: vexa-cli layout [--model M]

Lists the key layout of a keyboard model, one line per layout position, with
tab-separated fields:
  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR
POS is the layout position (the line order of text templates), KEYINDEX the
key&apos;s slot in the template (0..175), LEFT TOP WIDTH HEIGHT its rectangle in
pixels, and the last four the positions the arrow keys move to.

Options:
  --model M  the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or its
             id 2013..2018; default: the model the editor last used (PX2400
             when none is stored)

Examples:
  vexa-cli layout --model DV3100
  vexa-cli layout --model 2016 | cut -f1,3
  vexa-cli layout --model PX2400 | awk -F&apos;\t&apos; &apos;$3 == &quot;Enter&quot;&apos;
</source>
        <translation>Aufruf: vexa-cli layout [--model M]

Listet das Tastenlayout eines Tastaturmodells auf, eine Zeile pro
Layoutposition, mit tabulatorgetrennten Feldern:
  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR
POS ist die Layoutposition (die Zeilenfolge von Textvorlagen), KEYINDEX der
Platz der Taste in der Vorlage (0..175), LEFT TOP WIDTH HEIGHT ihr Rechteck in
Pixeln und die letzten vier die Positionen, zu denen die Pfeiltasten springen.

Optionen:
  --model M  das Modell: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 oder
             seine ID 2013..2018; Standard: das zuletzt im Editor verwendete
             Modell (PX2400, wenn keines gespeichert ist)

Beispiele:
  vexa-cli layout --model DV3100
  vexa-cli layout --model 2016 | cut -f1,3
  vexa-cli layout --model PX2400 | awk -F&apos;\t&apos; &apos;$3 == &quot;Enter&quot;&apos;
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos; for &apos;layout&apos;</source>
        <translation>unerwartetes Argument &apos;%s&apos; für &apos;layout&apos;</translation>
    </message>
    <message>
        <source>check, encode, measure and decode key contents</source>
        <translation>Tasteninhalte prüfen, kodieren, messen und dekodieren</translation>
    </message>
    <message>
        <source>list the key layout of a keyboard model</source>
        <translation>das Tastenlayout eines Tastaturmodells auflisten</translation>
    </message>
    <message>
        <source>create, show, export, import, render and compare template files</source>
        <translation>Vorlagendateien anlegen, zeigen, ex- und importieren, zeichnen, vergleichen</translation>
    </message>
    <message>
        <source>list and detect keyboards, read and write their templates</source>
        <translation>Tastaturen auflisten und erkennen, ihre Vorlagen lesen und schreiben</translation>
    </message>
    <message>
        <source>Usage: vexa-cli COMMAND [ARGUMENTS...]

Edits and transfers the key templates of PX and DV series programmable keyboards.

Commands:
</source>
        <translation>Aufruf: vexa-cli COMMAND [ARGUMENTS...]

Bearbeitet und überträgt die Vorlagen programmierbarer PX- und DV-Tastaturen.

Befehle:
</translation>
    </message>
    <message>
        <source>  help      show the help of one command: vexa-cli help COMMAND

Options:
  --help     show this help
  --version  show the version

Exit status: 0 success, 1 refused or failed (message on stderr), 2 usage error;
&apos;template diff&apos; as diff(1): 0 the same, 1 different, 2 trouble.
</source>
        <translation>  help      die Hilfe zu einem Befehl zeigen: vexa-cli help COMMAND

Optionen:
  --help     diese Hilfe zeigen
  --version  die Version zeigen

Exit-Status: 0 Erfolg, 1 abgelehnt/fehlgeschlagen (Meldung auf stderr),
2 Aufruffehler; &apos;template diff&apos; wie diff(1): 0 gleich, 1 verschieden, 2 Problem.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%s&apos;</source>
        <translation>unbekannter Befehl &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown keyboard model &apos;%s&apos; (use PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or 2013..2018)</source>
        <translation>unbekanntes Tastaturmodell &apos;%s&apos; (verwenden Sie PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 oder 2013..2018)</translation>
    </message>
    <message>
        <source>Usage: vexa-cli template new OUT.bin
       vexa-cli template show FILE.bin [--model M]
       vexa-cli template export FILE.bin OUT.txt [--model M]
       vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]
       vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]
       vexa-cli template diff A.bin B.bin [--model M] [--json]

Works on template files (the keyboard&apos;s 2048-byte memory image) and text
template files (one line per key: label, comma, content; backslash and comma
escaped with a backslash; CR LF line ends).

  new     writes the template file of a new, untouched template
  show    lists the template, one line per layout position with tab-separated
          fields POS KEYINDEX LABEL CONTENT, then &quot;Total space left (bytes): N&quot;
  export  writes the text template file of a template file
  import  applies a text template onto a base template (default: a new one),
          checks every key and writes the template file. A key that is not a
          valid content stops the import: nothing is written and the key&apos;s
          position, label and content are reported. A wrong number of lines is
          reported but the file is still written.
  render  draws the legend sheet: every key of the model with its label and its
          content, as SVG, PNG or PDF by the extension of OUT; a content too
          long for its key is written out in the notes under the keyboard.
          Needs no display.
  diff    compares two template files: one line per key position whose content
          differs, tab-separated POSITION LABEL CONTENT-IN-A CONTENT-IN-B (keys
          the model does not show: position &quot;-&quot;, label &quot;(key index N)&quot;),
          then one line per differing setting, NAME VALUE-IN-A VALUE-IN-B, named
          as the settings dialogs name it. Exit status as diff(1): 0 the same,
          1 different, 2 trouble (a file that can&apos;t be read, bad usage).
          --json prints one object instead: {&quot;keys&quot;: [{&quot;position&quot;,
          &quot;keyIndex&quot;, &quot;label&quot;, &quot;a&quot;, &quot;b&quot;}...], &quot;settings&quot;: [{&quot;name&quot;, &quot;a&quot;,
          &quot;b&quot;}...]} (position null for a key the layout does not show)

Options:
  --model M      the model: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or
                 its id 2013..2018; default: the model the editor last used
                 (PX2400 when none is stored). Template files carry no model:
                 it decides which keys and labels the text lines belong to.
  --base FILE    the template the text template is applied onto

Examples:
  vexa-cli template new blank.bin
  vexa-cli template show shop.bin --model DV3100
  vexa-cli template export shop.bin shop.txt --model PX2400
  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin
  vexa-cli template render shop.bin shop-legend.pdf --model PX2400
  vexa-cli template diff old.bin shop.bin --model PX2400
</source>
        <translation>Aufruf: vexa-cli template new OUT.bin
        vexa-cli template show FILE.bin [--model M]
        vexa-cli template export FILE.bin OUT.txt [--model M]
        vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]
        vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]
        vexa-cli template diff A.bin B.bin [--model M] [--json]

Arbeitet mit Vorlagendateien (dem 2048 Byte großen Speicherabbild der Tastatur)
und Textvorlagendateien (eine Zeile pro Taste: Beschriftung, Komma, Inhalt;
Backslash und Komma mit Backslash maskiert; Zeilenenden CR LF).

  new     schreibt die Vorlagendatei einer neuen, unberührten Vorlage
  show    listet die Vorlage auf, eine Zeile pro Layoutposition mit den
          tabulatorgetrennten Feldern POS KEYINDEX LABEL CONTENT, dann
          &quot;Total space left (bytes): N&quot;
  export  schreibt die Textvorlagendatei einer Vorlagendatei
  import  wendet eine Textvorlage auf eine Basisvorlage an (Standard: eine
          neue), prüft jede Taste und schreibt die Vorlagendatei. Eine Taste
          ohne gültigen Inhalt bricht den Import ab: Es wird nichts
          geschrieben, und Position, Beschriftung und Inhalt der Taste werden
          gemeldet. Eine falsche Zeilenanzahl wird gemeldet, die Datei aber
          trotzdem geschrieben.
  render  zeichnet den Beschriftungsbogen: jede Taste des Modells mit ihrer
          Beschriftung und ihrem Inhalt, als SVG, PNG oder PDF je nach Endung
          von OUT; ein für seine Taste zu langer Inhalt wird in den Anmerkungen
          unter der Tastatur ausgeschrieben. Braucht keine grafische Anzeige.
  diff    vergleicht zwei Vorlagendateien: eine Zeile pro Tastenposition mit
          abweichendem Inhalt, tabulatorgetrennt POSITION LABEL CONTENT-IN-A
          CONTENT-IN-B (Tasten, die das Modell nicht zeigt: Position &quot;-&quot;,
          Beschriftung &quot;(key index N)&quot;), dann eine Zeile pro abweichender
          Einstellung, NAME VALUE-IN-A VALUE-IN-B, benannt wie in den
          (englischen) Einstellungsdialogen. Exit-Status wie diff(1): 0 gleich,
          1 verschieden, 2 Problem (eine Datei, die nicht gelesen werden kann,
          falscher Aufruf).
          --json gibt stattdessen ein Objekt aus: {&quot;keys&quot;: [{&quot;position&quot;,
          &quot;keyIndex&quot;, &quot;label&quot;, &quot;a&quot;, &quot;b&quot;}...], &quot;settings&quot;: [{&quot;name&quot;, &quot;a&quot;,
          &quot;b&quot;}...]} (position null für eine Taste, die das Layout nicht zeigt)

Optionen:
  --model M      das Modell: PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 oder
                 seine ID 2013..2018; Standard: das zuletzt im Editor verwendete
                 Modell (PX2400, wenn keines gespeichert ist). Vorlagendateien
                 tragen kein Modell: Es bestimmt, zu welchen Tasten und
                 Beschriftungen die Textzeilen gehören.
  --base FILE    die Vorlage, auf die die Textvorlage angewendet wird

Beispiele:
  vexa-cli template new blank.bin
  vexa-cli template show shop.bin --model DV3100
  vexa-cli template export shop.bin shop.txt --model PX2400
  vexa-cli template import shop.txt shop.bin --model PX2400 --base settings.bin
  vexa-cli template render shop.bin shop-legend.pdf --model PX2400
  vexa-cli template diff old.bin shop.bin --model PX2400
</translation>
    </message>
    <message>
        <source>&apos;template new&apos; takes one file name: OUT.bin</source>
        <translation>&apos;template new&apos; erwartet einen Dateinamen: OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template show&apos; takes one file name: FILE.bin</source>
        <translation>&apos;template show&apos; erwartet einen Dateinamen: FILE.bin</translation>
    </message>
    <message>
        <source>&apos;template export&apos; takes two file names: FILE.bin OUT.txt</source>
        <translation>&apos;template export&apos; erwartet zwei Dateinamen: FILE.bin OUT.txt</translation>
    </message>
    <message>
        <source>&apos;template import&apos; takes two file names: IN.txt OUT.bin</source>
        <translation>&apos;template import&apos; erwartet zwei Dateinamen: IN.txt OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template render&apos; takes two file names: FILE.bin OUT.svg, OUT.png or OUT.pdf</source>
        <translation>&apos;template render&apos; erwartet zwei Dateinamen: FILE.bin OUT.svg, OUT.png oder OUT.pdf</translation>
    </message>
    <message>
        <source>&apos;template diff&apos; takes two file names: A.bin B.bin</source>
        <translation>&apos;template diff&apos; erwartet zwei Dateinamen: A.bin B.bin</translation>
    </message>
    <message>
        <source>&apos;template&apos; needs a subcommand: new, show, export, import, render or diff</source>
        <translation>&apos;template&apos; braucht einen Unterbefehl: new, show, export, import, render oder diff</translation>
    </message>
    <message>
        <source>unknown template subcommand &apos;%s&apos;</source>
        <translation>unbekannter Unterbefehl &apos;%s&apos; für template</translation>
    </message>
    <message>
        <source>ScanCode Mode</source>
        <translation>Scancode-Modus</translation>
    </message>
    <message>
        <source>ASCII Decimal Mode</source>
        <translation>ASCII-Dezimalmodus</translation>
    </message>
    <message>
        <source>ASCII Mode</source>
        <translation>ASCII-Modus</translation>
    </message>
    <message>
        <source>Key Name:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Key content:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Total space left (bytes):</source>
        <translation>Freier Speicher (Byte):</translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key.  </source>
        <translation>Taste mit Maus oder &lt;Shift&gt; + &lt;Pfeil&gt; wählen.  </translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key. Use &lt;ESC&gt; then &lt;Func Key&gt; to Input Function Key Code.</source>
        <translation>Taste mit Maus oder &lt;Shift&gt; + &lt;Pfeil&gt; wählen. &lt;ESC&gt;, dann &lt;F-Taste&gt;: Funktionscode eingeben.</translation>
    </message>
    <message>
        <source>Black Key: blank key</source>
        <translation>Schwarz: leere Taste</translation>
    </message>
    <message>
        <source>Blue Key</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>: defined key</source>
        <translation>: belegte Taste</translation>
    </message>
    <message>
        <source>Green Key</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>: modified key</source>
        <translation>: geänderte Taste</translation>
    </message>
    <message>
        <source>Port Name: %s</source>
        <translation>Anschluss: %s</translation>
    </message>
</context>
<context>
    <name>vexa::CAboutDlg</name>
    <message>
        <source>Keyboard Editor Version %1</source>
        <translation>Tastatureditor Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vexa::CKeyWordTable</name>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Tabelle der Schlüsselwörter für Sonderfunktionen</translation>
    </message>
    <message>
        <source>Special function key words</source>
        <translation>Schlüsselwörter für Sonderfunktionen</translation>
    </message>
</context>
<context>
    <name>vexa::CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Status bar indicator: Caps Lock is on.</extracomment>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Status bar indicator: Num Lock is on.</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Status bar indicator: Scroll Lock is on.</extracomment>
        <translation>ROLL</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen-Taste</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectConnectedKeyboard</name>
    <message>
        <source>serial %1</source>
        <extracomment>A connected keyboard&apos;s serial number in the list of keyboards.</extracomment>
        <translation>Seriennr. %1</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectKeyboard</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectPort</name>
    <message>
        <source>Port Name:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vexa::CStationDialog</name>
    <message>
        <source>Template file</source>
        <translation>Vorlagendatei</translation>
    </message>
    <message>
        <source>Choose the template file</source>
        <translation>Vorlagendatei wählen</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Tastaturen</translation>
    </message>
    <message>
        <source>Station status</source>
        <translation>Stationsstatus</translation>
    </message>
</context>
<context>
    <name>vexa::CTextFileNamePath</name>
    <message>
        <source>Text File Template Import/Export</source>
        <translation>Textvorlage importieren/exportieren</translation>
    </message>
    <message>
        <source>Text file template(*.txt)</source>
        <translation>Textvorlagendatei (*.txt)</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The accept button of the text template file chooser.</extracomment>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>vexa::CVEXAView</name>
    <message>
        <source>Keyboard layout</source>
        <translation>Tastaturlayout</translation>
    </message>
</context>
<context>
    <name>vexa::CodeEntryDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vexa::TransferProgressDisplay</name>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragungsfortschritt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
