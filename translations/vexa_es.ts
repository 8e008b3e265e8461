<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QtUserInterface</name>
    <message>
        <source>Open</source>
        <extracomment>The title of the file chooser that opens a template.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Use a simulated keyboard whose memory is kept in &lt;file&gt;; a directory: one USB keyboard per .bin file in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS/2 through &lt;node&gt;, an already bound serio_raw device (/dev/serio_rawN): nothing is bound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key definition editor for programmable point-of-sale keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template file to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa</name>
    <message>
        <source>Tessaly  Programmable Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About VEXA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong function word or scan code word!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong ASCII or function word!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough keyboard memory: the key data is %d bytes too long!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: %s is not a function word or scan code word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: %s must be the whole content of the key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: the scan code word %s can&apos;t be mixed with characters or ASCII mode words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: %s has no closing bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: a ] closes no word (a bracket character is written twice: ]]).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %s: the content holds a zero byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key index %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position %d, key index %d, label &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>key index %d (not on the layout): %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shift level code is the whole content of its key: clear the key to type into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too short (%d bytes; a template has 2048)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is NOT in the directory !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is too large for a text template !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is written, but the key at position %d holds a line feed, which a text file can&apos;t carry: importing it will misplace the keys after it !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of rows in the text file is wrong
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link that another user made in a folder that others may write to: VEXA does not write through it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template files (*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; must be named .svg, .png or .pdf !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The legend sheet can&apos;t be printed !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to select another keyboard?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will clear the active template data !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> x 0.1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Shift Level Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1--9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input ASCII Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1--240)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Scan Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get wrong system information
Exit.Then, try again please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open the KB driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the kernel has no i8042 keyboard port (no serio port &quot;i8042 KBD port&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serio_raw module is not loaded: run &quot;sudo modprobe serio_raw&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not running as root, and the helper %s or pkexec is missing: install the vexa package or run as root (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw driver instead, which needs the kernel&apos;s i8042 keyboard port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the kernel refused direct access to the keyboard controller&apos;s ports (this needs root on an x86 PC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direct access to the keyboard controller&apos;s ports is switched off (CI or VEXA_NO_REAL_PORTS is set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another VEXA run is using the PS/2 keyboard port: try again when it has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard port %s was not handed to serio_raw: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serio_raw took the keyboard port %s, but gave no device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the state file %s can&apos;t be written (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an administrator&apos;s authorisation was not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the helper vexa-serio-helper ended with status %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one serio port is called &quot;i8042 KBD port&quot;: nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard port %s is bound to &quot;%s&quot; instead of %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard port&apos;s lock can&apos;t be opened (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program is ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vexa-cli: the output could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!
A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to write Keyboard again please!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please check the driver setup!

Try to write Keyboard again please!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to read again please!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please to check the driver setup!

Try to read again please!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Written Error, Count=%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard now holds a partly written template and must be written again before use!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Read Error, Count=%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing data into keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading data from keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please don&apos;t use mouse and/or keyboard!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Communication Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device &lt;%s&gt; is not a PX series keyboard connected to this computer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PX series keyboard at &lt;%s&gt; does not answer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Connected Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several keyboards are connected. Read the template from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several keyboards are connected. Write the template into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All connected keyboards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was written into all %d keyboards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was written into %d of %d keyboards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; can&apos;t be created !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; is not yours alone: it must belong to you and no one else may write to it !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard&apos;s template could not be read for its backup: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was written, but reading it back failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was written into the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was written into the keyboard %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was read from the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window closes when the transfer with the keyboard has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; is not a keyboard memory (%d bytes; it must have 2048)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated keyboard directory: &lt;%s&gt; holds no .bin file !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too long (%d bytes; a template has 2048)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; holds key data that can&apos;t be decoded (key slot %d)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard holds other data than was written: block(s) %s differ!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template the keyboard held before is in %s: &apos;vexa-cli keyboard write %s&apos; puts it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write it again, or another template; --backup FILE saves the keyboard&apos;s template before a write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d PX series keyboards are connected; this uses %s. --device PATH picks another (&apos;vexa-cli keyboard list&apos; shows them), &apos;write --all&apos; writes them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;vexa-cli keyboard list&apos; shows the keyboards connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulated keyboard saw a protocol violation: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: the writes under way are finished first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d written, %d verified, %d unchanged, %d failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugged keyboards can&apos;t be watched: the system&apos;s device events are not available (%s)!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a keyboard plugged in: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds this template; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified: the keyboard holds the 2048 bytes written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged &amp;In...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A template file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up each keyboard&apos;s template into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log into:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a template into every keyboard as it is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card data prefix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card data suffix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track1 prefix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track1 suffix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track1 field terminator error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track2 prefix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track2 suffix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track2 field terminator error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track3 prefix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track3 suffix string error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track3 field terminator error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config KB properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send break-code for scan code mode key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable beeping when a key typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No beeping if a key is not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translate scan code set#2 for PC/AT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &lt;Alt&gt;+number key to make ASCII code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable typematic for scan code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable typematic for ASCII code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS232 port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inter-character delay(mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Data Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Data Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable beep at good read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable 3 beepsat card read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip output of track with error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data output with any error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track2 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track3 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable start sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable end sentinel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable LRC output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable seperator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Terminator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Code Test Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc three times: Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from template file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to template file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active Template with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load &amp;Default	Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load default template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Text Data	Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import template data from a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import text data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Text Data	Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export template data from a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export text data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the keys with their labels and contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Pic&amp;ture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the keys with their labels and contents as an SVG, PNG or PDF picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select PX2100 keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select PX2200 keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select PX2400 keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select DV3300 keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select DV3500 keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select DV3100 Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change of the template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Current Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear current key content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;ASCII Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set key to ASCII code mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASCII code mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;ScanCode Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set key to scan code mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan code mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Ca&amp;ps Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a Caps function code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert caps code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert &amp;Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert inter-string delay time function code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Delay time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter &amp;Level Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter level-separator function code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Level separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter S&amp;hift Level code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter multi-level function code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi-level code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter ASCII Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter ASCII code as decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter ASCII code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;witch ASCII Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch ASCII display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Scan C&amp;ode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter scan code from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Scan code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read From KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data from keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write Into KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write data into keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config &amp;KB Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config &amp;MR properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config MR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config RS232 protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config RS232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication &amp;Port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the port to the keyboard: PS/2 or USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About VEXA...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Word &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Function Key Word Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;esting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CAboutDlg</name>
    <message>
        <source>Keyboard Editor Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CKeyWordTable</name>
    <message>
        <source>Special Function Key Word Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Status bar indicator: Caps Lock is on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Status bar indicator: Num Lock is on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Status bar indicator: Scroll Lock is on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CSelectConnectedKeyboard</name>
    <message>
        <source>serial %1</source>
        <extracomment>A connected keyboard&apos;s serial number in the list of keyboards.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CSelectKeyboard</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CSelectPort</name>
    <message>
        <source>Port Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CTextFileNamePath</name>
    <message>
        <source>Text File Template Import/Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text file template(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The accept button of the text template file chooser.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexa::CodeEntryDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
