<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>LayoutView</name>
    <message>
        <source>ASCII mode</source>
        <translation>mode ASCII</translation>
    </message>
    <message>
        <source>scan code mode</source>
        <translation>mode code de balayage</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Key name: %1, key content: %2, total space left: %3 bytes</source>
        <translation>Nom de la touche : %1, contenu de la touche : %2, espace libre total : %3 octets</translation>
    </message>
</context>
<context>
    <name>QtUserInterface</name>
    <message>
        <source>Open</source>
        <extracomment>The title of the file chooser that opens a template.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter une image</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Use a simulated keyboard whose memory is kept in &lt;file&gt;; a directory: one USB keyboard per .bin file in it.</source>
        <translation>Utiliser un clavier simulé dont la mémoire est conservée dans &lt;file&gt; ; un répertoire : un clavier USB par fichier .bin qu&apos;il contient.</translation>
    </message>
    <message>
        <source>PS/2 through &lt;node&gt;, an already bound serio_raw device (/dev/serio_rawN): nothing is bound.</source>
        <translation>PS/2 par &lt;node&gt;, un périphérique serio_raw déjà lié (/dev/serio_rawN) : rien n&apos;est lié.</translation>
    </message>
    <message>
        <source>Key definition editor for programmable point-of-sale keyboards</source>
        <translation>Éditeur des définitions de touches des claviers programmables de point de vente</translation>
    </message>
    <message>
        <source>Template file to open.</source>
        <translation>Fichier modèle à ouvrir.</translation>
    </message>
</context>
<context>
    <name>vexa</name>
    <message>
        <source>Tessaly  Programmable Keyboard</source>
        <translation>Clavier programmable Tessaly</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>About VEXA</source>
        <translation>À propos de VEXA</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Wrong function word or scan code word!!</source>
        <translation>Mot de fonction ou mot de code de balayage erroné !!</translation>
    </message>
    <message>
        <source>Wrong ASCII or function word!!</source>
        <translation>Mot ASCII ou mot de fonction erroné !!</translation>
    </message>
    <message>
        <source>Not enough keyboard memory: the key data is %d bytes too long!!</source>
        <translation>Mémoire du clavier insuffisante : les données des touches dépassent de %d octets !!</translation>
    </message>
    <message>
        <source>Key %s: %s is not a function word or scan code word.</source>
        <translation>Touche %s : %s n&apos;est ni un mot de fonction ni un mot de code de balayage.</translation>
    </message>
    <message>
        <source>Key %s: %s must be the whole content of the key.</source>
        <translation>Touche %s : %s doit constituer tout le contenu de la touche.</translation>
    </message>
    <message>
        <source>Key %s: the scan code word %s can&apos;t be mixed with characters or ASCII mode words.</source>
        <translation>Touche %s : le mot de code de balayage %s ne peut pas être mêlé à des caractères ou à des mots du mode ASCII.</translation>
    </message>
    <message>
        <source>Key %s: %s has no closing bracket.</source>
        <translation>Touche %s : %s n&apos;a pas de crochet fermant.</translation>
    </message>
    <message>
        <source>Key %s: a ] closes no word (a bracket character is written twice: ]]).</source>
        <translation>Touche %s : un ] ne ferme aucun mot (un crochet littéral s&apos;écrit en double : ]]).</translation>
    </message>
    <message>
        <source>Key %s: the content holds a zero byte.</source>
        <translation>Touche %s : le contenu comporte un octet nul.</translation>
    </message>
    <message>
        <source>key index %d</source>
        <translation>touche d&apos;indice %d</translation>
    </message>
    <message>
        <source>position %d, key index %d, label &quot;%s&quot;: %s</source>
        <translation>position %d, indice de touche %d, libellé « %s » : %s</translation>
    </message>
    <message>
        <source>key index %d (not on the layout): %s</source>
        <translation>indice de touche %d (absente de la disposition) : %s</translation>
    </message>
    <message>
        <source>A shift level code is the whole content of its key: clear the key to type into it.</source>
        <translation>Un code de niveau de majuscule constitue tout le contenu de sa touche : effacez la touche pour y saisir du texte.</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too short (%d bytes; a template has 2048)!!</source>
        <translation>Le fichier modèle : &lt;%s&gt; est trop court (%d octets ; un modèle en compte 2048) !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>Le fichier modèle : &lt;%s&gt; ne peut pas être ouvert !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Le fichier modèle : &lt;%s&gt; ne peut pas être écrit !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Le fichier texte : &lt;%s&gt; ne peut pas être écrit !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is NOT in the directory !!</source>
        <translation>Le fichier texte : &lt;%s&gt; n&apos;est PAS dans le dossier !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is too large for a text template !!</source>
        <translation>Le fichier texte : &lt;%s&gt; est trop grand pour un modèle texte !!</translation>
    </message>
    <message>
        <source>The text file: &lt;%s&gt; is written, but the key at position %d holds a line feed, which a text file can&apos;t carry: importing it will misplace the keys after it !!</source>
        <translation>Le fichier texte : &lt;%s&gt; est écrit, mais la touche à la position %d contient un saut de ligne, qu&apos;un fichier texte ne peut pas porter : son importation décalera les touches suivantes !!</translation>
    </message>
    <message>
        <source>The number of rows in the text file is wrong
</source>
        <translation>Le nombre de lignes du fichier texte est incorrect
</translation>
    </message>
    <message>
        <source>It is a link that another user made in a folder that others may write to: VEXA does not write through it.</source>
        <translation>C&apos;est un lien créé par un autre utilisateur dans un dossier où d&apos;autres peuvent écrire : VEXA n&apos;écrit pas à travers lui.</translation>
    </message>
    <message>
        <source>Template files (*.bin)</source>
        <translation>Fichiers modèles (*.bin)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; must be named .svg, .png or .pdf !!</source>
        <translation>Le fichier image : &lt;%s&gt; doit se terminer par .svg, .png ou .pdf !!</translation>
    </message>
    <message>
        <source>The picture file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Le fichier image : &lt;%s&gt; ne peut pas être écrit !!</translation>
    </message>
    <message>
        <source>The legend sheet can&apos;t be printed !!</source>
        <translation>La feuille de légendes ne peut pas être imprimée !!</translation>
    </message>
    <message>
        <source>Select Keyboard</source>
        <translation>Choisir le clavier</translation>
    </message>
    <message>
        <source>Are you sure to select another keyboard?</source>
        <translation>Voulez-vous vraiment choisir un autre clavier ?</translation>
    </message>
    <message>
        <source>This will clear the active template data !!!</source>
        <translation>Cela effacera les données du modèle actif !!!</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Veuillez saisir un entier entre 0 et 255.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Put Delay Time</source>
        <translation>Insérer un délai</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source> x 0.1 second</source>
        <translation> x 0,1 seconde</translation>
    </message>
    <message>
        <source>Put Shift Level Code</source>
        <translation>Insérer un code de niveau</translation>
    </message>
    <message>
        <source>Level No:</source>
        <translation>N° de niveau :</translation>
    </message>
    <message>
        <source>(1--9)</source>
        <translation>(1--9)</translation>
    </message>
    <message>
        <source>Input ASCII Code</source>
        <translation>Saisir un code ASCII</translation>
    </message>
    <message>
        <source>ASCII code:</source>
        <translation>Code ASCII :</translation>
    </message>
    <message>
        <source>(1--240)</source>
        <translation>(1--240)</translation>
    </message>
    <message>
        <source>Input Scan Code</source>
        <translation>Saisir un code de balayage</translation>
    </message>
    <message>
        <source>Scan Code:</source>
        <translation>Code de balayage :</translation>
    </message>
    <message>
        <source>Get wrong system information
Exit.Then, try again please</source>
        <translation>Informations système erronées
Quittez, puis réessayez</translation>
    </message>
    <message>
        <source>Can&apos;t open the KB driver</source>
        <translation>Impossible d&apos;ouvrir le pilote du clavier</translation>
    </message>
    <message>
        <source>the kernel has no i8042 keyboard port (no serio port &quot;i8042 KBD port&quot;)</source>
        <translation>le noyau n&apos;a pas de port clavier i8042 (aucun port serio « i8042 KBD port »)</translation>
    </message>
    <message>
        <source>the serio_raw module is not loaded: run &quot;sudo modprobe serio_raw&quot;</source>
        <translation>le module serio_raw n&apos;est pas chargé : lancez « sudo modprobe serio_raw »</translation>
    </message>
    <message>
        <source>not running as root, and the helper %s or pkexec is missing: install the vexa package or run as root (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>exécution sans les droits root, et l&apos;assistant %s ou pkexec est absent : installez le paquet vexa ou lancez en root (voir le README, « PS/2 on Linux »)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s): install the udev rule 70-vexa-keyboard.rules (see the README, &quot;PS/2 on Linux&quot;)</source>
        <translation>le périphérique %s ne peut pas être ouvert (%s) : installez la règle udev 70-vexa-keyboard.rules (voir le README, « PS/2 on Linux »)</translation>
    </message>
    <message>
        <source>the device %s can&apos;t be opened (%s)</source>
        <translation>le périphérique %s ne peut pas être ouvert (%s)</translation>
    </message>
    <message>
        <source>the kernel is locked down (Secure Boot): direct port access is not allowed; PS/2 uses the serio_raw driver instead, which needs the kernel&apos;s i8042 keyboard port</source>
        <translation>le noyau est verrouillé (Secure Boot) : l&apos;accès direct aux ports est interdit ; le PS/2 passe alors par le pilote serio_raw, qui nécessite le port clavier i8042 du noyau</translation>
    </message>
    <message>
        <source>the kernel refused direct access to the keyboard controller&apos;s ports (this needs root on an x86 PC)</source>
        <translation>le noyau a refusé l&apos;accès direct aux ports du contrôleur de clavier (cela nécessite root sur un PC x86)</translation>
    </message>
    <message>
        <source>direct access to the keyboard controller&apos;s ports is switched off (CI or VEXA_NO_REAL_PORTS is set)</source>
        <translation>l&apos;accès direct aux ports du contrôleur de clavier est désactivé (CI ou VEXA_NO_REAL_PORTS est défini)</translation>
    </message>
    <message>
        <source>another VEXA run is using the PS/2 keyboard port: try again when it has finished</source>
        <translation>une autre exécution de VEXA utilise le port clavier PS/2 : réessayez quand elle sera terminée</translation>
    </message>
    <message>
        <source>the keyboard port %s was not handed to serio_raw: %s</source>
        <translation>le port clavier %s n&apos;a pas été confié à serio_raw : %s</translation>
    </message>
    <message>
        <source>serio_raw took the keyboard port %s, but gave no device</source>
        <translation>serio_raw a pris le port clavier %s, mais n&apos;a fourni aucun périphérique</translation>
    </message>
    <message>
        <source>the keyboard port %s could not be given back to the keyboard (%s); it stays silent until you run: echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</source>
        <translation>le port clavier %s n&apos;a pas pu être rendu au clavier (%s) ; il reste muet jusqu&apos;à ce que vous lanciez : echo -n atkbd | sudo tee /sys/bus/serio/devices/%s/drvctl</translation>
    </message>
    <message>
        <source>the state file %s can&apos;t be written (%s)</source>
        <translation>le fichier d&apos;état %s ne peut pas être écrit (%s)</translation>
    </message>
    <message>
        <source>an administrator&apos;s authorisation was not given</source>
        <translation>l&apos;autorisation d&apos;un administrateur n&apos;a pas été donnée</translation>
    </message>
    <message>
        <source>the helper vexa-serio-helper ended with status %d</source>
        <translation>l&apos;assistant vexa-serio-helper s&apos;est terminé avec le code %d</translation>
    </message>
    <message>
        <source>more than one serio port is called &quot;i8042 KBD port&quot;: nothing was changed</source>
        <translation>plusieurs ports serio s&apos;appellent « i8042 KBD port » : rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the keyboard port %s is bound to &quot;%s&quot; instead of %s</source>
        <translation>le port clavier %s est lié à « %s » au lieu de %s</translation>
    </message>
    <message>
        <source>the keyboard port&apos;s lock can&apos;t be opened (%s)</source>
        <translation>le verrou du port clavier ne peut pas être ouvert (%s)</translation>
    </message>
    <message>
        <source>the program is ending</source>
        <translation>le programme se termine</translation>
    </message>
    <message>
        <source>vexa-cli: the output could not be written</source>
        <translation>vexa-cli : la sortie n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!</source>
        <translation>Aucun clavier de la série PX n&apos;est connecté !</translation>
    </message>
    <message>
        <source>There is no PX series keyboard connected!
A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>Aucun clavier de la série PX n&apos;est connecté !
Un clavier de la série PX a été trouvé, mais cet utilisateur ne peut pas l&apos;ouvrir : installez la règle udev 70-vexa-keyboard.rules (voir le README, « USB permissions »).</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to write Keyboard again please!</source>
        <translation>Aucun clavier programmable détecté !
Veuillez vérifier la connexion du clavier !

Veuillez réessayer d&apos;écrire dans le clavier !</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please check the driver setup!

Try to write Keyboard again please!</source>
        <translation>Impossible d&apos;accéder au clavier programmable !
Veuillez vérifier l&apos;installation du pilote !

Veuillez réessayer d&apos;écrire dans le clavier !</translation>
    </message>
    <message>
        <source>No Programmable Keyboard detected!
Please check the keyboard connection!

Try to read again please!</source>
        <translation>Aucun clavier programmable détecté !
Veuillez vérifier la connexion du clavier !

Veuillez réessayer de lire !</translation>
    </message>
    <message>
        <source>Can&apos;t access programmable keyboard!
Please to check the driver setup!

Try to read again please!</source>
        <translation>Impossible d&apos;accéder au clavier programmable !
Veuillez vérifier l&apos;installation du pilote !

Veuillez réessayer de lire !</translation>
    </message>
    <message>
        <source>Data Written Error, Count=%d</source>
        <translation>Erreur d&apos;écriture des données, Count=%d</translation>
    </message>
    <message>
        <source>The keyboard now holds a partly written template and must be written again before use!</source>
        <translation>Le clavier contient maintenant un modèle écrit en partie et doit être réécrit avant usage !</translation>
    </message>
    <message>
        <source>Data Read Error, Count=%d</source>
        <translation>Erreur de lecture des données, Count=%d</translation>
    </message>
    <message>
        <source>Writing data into keyboard</source>
        <translation>Écriture des données dans le clavier</translation>
    </message>
    <message>
        <source>Reading data from keyboard</source>
        <translation>Lecture des données depuis le clavier</translation>
    </message>
    <message>
        <source>Please don&apos;t use mouse and/or keyboard!</source>
        <translation>N&apos;utilisez ni la souris ni le clavier !</translation>
    </message>
    <message>
        <source>Select Communication Port</source>
        <translation>Choisir le port de communication</translation>
    </message>
    <message>
        <source>Don&apos;t ask at start</source>
        <translation>Ne plus demander au démarrage</translation>
    </message>
    <message>
        <source>The device &lt;%s&gt; is not a PX series keyboard connected to this computer!</source>
        <translation>Le périphérique &lt;%s&gt; n&apos;est pas un clavier de la série PX connecté à cet ordinateur !</translation>
    </message>
    <message>
        <source>The PX series keyboard at &lt;%s&gt; does not answer!</source>
        <translation>Le clavier de la série PX sur &lt;%s&gt; ne répond pas !</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>pas d&apos;autorisation</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Select Connected Keyboard</source>
        <translation>Choisir le clavier connecté</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Read the template from:</source>
        <translation>Plusieurs claviers sont connectés. Lire le modèle depuis :</translation>
    </message>
    <message>
        <source>Several keyboards are connected. Write the template into:</source>
        <translation>Plusieurs claviers sont connectés. Écrire le modèle dans :</translation>
    </message>
    <message>
        <source>All connected keyboards</source>
        <translation>Tous les claviers connectés</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>sans numéro de série</translation>
    </message>
    <message>
        <source>The template was written into all %d keyboards.</source>
        <translation>Le modèle a été écrit dans les %d claviers.</translation>
    </message>
    <message>
        <source>The template was written into %d of %d keyboards:</source>
        <translation>Le modèle a été écrit dans %d claviers sur %d :</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; can&apos;t be created !!</source>
        <translation>Le dossier de sauvegarde : &lt;%s&gt; ne peut pas être créé !!</translation>
    </message>
    <message>
        <source>The backup directory: &lt;%s&gt; is not yours alone: it must belong to you and no one else may write to it !!</source>
        <translation>Le dossier de sauvegarde : &lt;%s&gt; n&apos;est pas à vous seul : il doit vous appartenir et personne d&apos;autre ne doit pouvoir y écrire !!</translation>
    </message>
    <message>
        <source>The keyboard&apos;s template could not be read for its backup: nothing was written.</source>
        <translation>Le modèle du clavier n&apos;a pas pu être lu pour sa sauvegarde : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The template was written, but reading it back failed.</source>
        <translation>Le modèle a été écrit, mais sa relecture a échoué.</translation>
    </message>
    <message>
        <source>A PX series keyboard was found, but this user may not open it: install the udev rule 70-vexa-keyboard.rules (see the README, &quot;USB permissions&quot;).</source>
        <translation>Un clavier de la série PX a été trouvé, mais cet utilisateur ne peut pas l&apos;ouvrir : installez la règle udev 70-vexa-keyboard.rules (voir le README, « USB permissions »).</translation>
    </message>
    <message>
        <source>The template was written into the keyboard.</source>
        <translation>Le modèle a été écrit dans le clavier.</translation>
    </message>
    <message>
        <source>The template was written into the keyboard %s.</source>
        <translation>Le modèle a été écrit dans le clavier %s.</translation>
    </message>
    <message>
        <source>The template was read from the keyboard.</source>
        <translation>Le modèle a été lu depuis le clavier.</translation>
    </message>
    <message>
        <source>The window closes when the transfer with the keyboard has ended.</source>
        <translation>La fenêtre se ferme à la fin du transfert avec le clavier.</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be opened !!</source>
        <translation>Le fichier de clavier simulé : &lt;%s&gt; ne peut pas être ouvert !!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; is not a keyboard memory (%d bytes; it must have 2048)!!</source>
        <translation>Le fichier de clavier simulé : &lt;%s&gt; n&apos;est pas une mémoire de clavier (%d octets ; il en faut 2048) !!</translation>
    </message>
    <message>
        <source>The simulated keyboard file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Le fichier de clavier simulé : &lt;%s&gt; ne peut pas être écrit !!</translation>
    </message>
    <message>
        <source>The simulated keyboard directory: &lt;%s&gt; holds no .bin file !!</source>
        <translation>Le dossier de claviers simulés : &lt;%s&gt; ne contient aucun fichier .bin !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; is too long (%d bytes; a template has 2048)!!</source>
        <translation>Le fichier modèle : &lt;%s&gt; est trop long (%d octets ; un modèle en compte 2048) !!</translation>
    </message>
    <message>
        <source>The template file: &lt;%s&gt; holds key data that can&apos;t be decoded (key slot %d)!!</source>
        <translation>Le fichier modèle : &lt;%s&gt; contient des données de touche indécodables (emplacement %d) !!</translation>
    </message>
    <message>
        <source>The keyboard holds other data than was written: block(s) %s differ!!</source>
        <translation>Le clavier contient d&apos;autres données que celles écrites : le(s) bloc(s) %s diffère(nt) !!</translation>
    </message>
    <message>
        <source>The template the keyboard held before is in %s: &apos;vexa-cli keyboard write %s&apos; puts it back.</source>
        <translation>Le modèle que contenait le clavier auparavant est dans %s : &apos;vexa-cli keyboard write %s&apos; le rétablit.</translation>
    </message>
    <message>
        <source>Write it again, or another template; --backup FILE saves the keyboard&apos;s template before a write.</source>
        <translation>Écrivez-le de nouveau, ou un autre modèle ; --backup FILE sauvegarde le modèle du clavier avant une écriture.</translation>
    </message>
    <message>
        <source>%d PX series keyboards are connected; this uses %s. --device PATH picks another (&apos;vexa-cli keyboard list&apos; shows them), &apos;write --all&apos; writes them all.</source>
        <translation>%d claviers de la série PX sont connectés ; celui-ci utilise %s. --device PATH en choisit un autre (&apos;vexa-cli keyboard list&apos; les affiche), &apos;write --all&apos; les écrit tous.</translation>
    </message>
    <message>
        <source>&apos;vexa-cli keyboard list&apos; shows the keyboards connected.</source>
        <translation>&apos;vexa-cli keyboard list&apos; affiche les claviers connectés.</translation>
    </message>
    <message>
        <source>The simulated keyboard saw a protocol violation: %s</source>
        <translation>Le clavier simulé a constaté une violation du protocole : %s</translation>
    </message>
    <message>
        <source>Waiting for keyboards: plug one in to write it; Ctrl+C stops (the writes under way are finished).</source>
        <translation>En attente de claviers : branchez-en un pour l&apos;écrire ; Ctrl+C arrête (les écritures en cours sont terminées).</translation>
    </message>
    <message>
        <source>Stopping: the writes under way are finished first.</source>
        <translation>Arrêt : les écritures en cours sont d&apos;abord terminées.</translation>
    </message>
    <message>
        <source>%d written, %d verified, %d unchanged, %d failed.</source>
        <translation>%d écrits, %d vérifiés, %d inchangés, %d en échec.</translation>
    </message>
    <message>
        <source>The log file: &lt;%s&gt; can&apos;t be written !!</source>
        <translation>Le fichier journal : &lt;%s&gt; ne peut pas être écrit !!</translation>
    </message>
    <message>
        <source>Plugged keyboards can&apos;t be watched: the system&apos;s device events are not available (%s)!!</source>
        <translation>Impossible de surveiller les claviers branchés : les événements de périphériques du système ne sont pas disponibles (%s) !!</translation>
    </message>
    <message>
        <source>Not a keyboard plugged in: %s</source>
        <translation>Ce n&apos;est pas un clavier qui a été branché : %s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds this template; nothing was written</source>
        <translation>unchanged : le clavier contient déjà ce modèle ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>verified: the keyboard holds the 2048 bytes written</source>
        <translation>verified : le clavier contient les 2048 octets écrits</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged In</source>
        <translation>Programmer les claviers à leur branchement</translation>
    </message>
    <message>
        <source>Program Keyboards as Plugged &amp;In...</source>
        <translation>Programmer les claviers à leur &amp;branchement...</translation>
    </message>
    <message>
        <source>The current template</source>
        <translation>Le modèle actuel</translation>
    </message>
    <message>
        <source>A template file:</source>
        <translation>Un fichier modèle :</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Vérifier après l&apos;écriture</translation>
    </message>
    <message>
        <source>Back up each keyboard&apos;s template into:</source>
        <translation>Sauvegarder le modèle de chaque clavier dans :</translation>
    </message>
    <message>
        <source>Log into:</source>
        <translation>Journal dans :</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>Write a template into every keyboard as it is plugged in</source>
        <translation>Écrire un modèle dans chaque clavier dès son branchement</translation>
    </message>
    <message>
        <source>Keyboards are programmed as they are plugged in over USB only: choose the USB port at start.</source>
        <translation>Les claviers ne sont programmés à leur branchement qu&apos;en USB : choisissez le port USB au démarrage.</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Card data prefix string error!</source>
        <translation>Erreur dans le préfixe des données de carte !</translation>
    </message>
    <message>
        <source>Card data suffix string error!</source>
        <translation>Erreur dans le suffixe des données de carte !</translation>
    </message>
    <message>
        <source>Track1 prefix string error!</source>
        <translation>Erreur dans le préfixe de la piste 1 !</translation>
    </message>
    <message>
        <source>Track1 suffix string error!</source>
        <translation>Erreur dans le suffixe de la piste 1 !</translation>
    </message>
    <message>
        <source>Track1 field terminator error!</source>
        <translation>Erreur dans le terminateur de champ de la piste 1 !</translation>
    </message>
    <message>
        <source>Track2 prefix string error!</source>
        <translation>Erreur dans le préfixe de la piste 2 !</translation>
    </message>
    <message>
        <source>Track2 suffix string error!</source>
        <translation>Erreur dans le suffixe de la piste 2 !</translation>
    </message>
    <message>
        <source>Track2 field terminator error!</source>
        <translation>Erreur dans le terminateur de champ de la piste 2 !</translation>
    </message>
    <message>
        <source>Track3 prefix string error!</source>
        <translation>Erreur dans le préfixe de la piste 3 !</translation>
    </message>
    <message>
        <source>Track3 suffix string error!</source>
        <translation>Erreur dans le suffixe de la piste 3 !</translation>
    </message>
    <message>
        <source>Track3 field terminator error!</source>
        <translation>Erreur dans le terminateur de champ de la piste 3 !</translation>
    </message>
    <message>
        <source>Config KB properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Send break-code for scan code mode key</source>
        <translation>Envoyer le code de relâchement (touches code de balayage)</translation>
    </message>
    <message>
        <source>Enable beeping when a key typed</source>
        <translation>Bip à chaque frappe de touche</translation>
    </message>
    <message>
        <source>No beeping if a key is not defined</source>
        <translation>Pas de bip si la touche n&apos;est pas définie</translation>
    </message>
    <message>
        <source>Translate scan code set#2 for PC/AT</source>
        <translation>Traduire le jeu de codes n° 2 pour PC/AT</translation>
    </message>
    <message>
        <source>Use &lt;Alt&gt;+number key to make ASCII code</source>
        <translation>&lt;Alt&gt;+chiffre pour produire un code ASCII</translation>
    </message>
    <message>
        <source>Enable typematic for scan code</source>
        <translation>Répétition auto. en code de balayage</translation>
    </message>
    <message>
        <source>Enable typematic for ASCII code</source>
        <translation>Répétition auto. en code ASCII</translation>
    </message>
    <message>
        <source>Use port</source>
        <translation>Utiliser le port</translation>
    </message>
    <message>
        <source>7 Bits</source>
        <translation>7 bits</translation>
    </message>
    <message>
        <source>8 Bits</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Keyboard features</source>
        <translation>Fonctions du clavier</translation>
    </message>
    <message>
        <source>RS232 port</source>
        <translation>Port RS232</translation>
    </message>
    <message>
        <source>Inter-character delay(mS)</source>
        <translation>Délai inter-caractère (ms)</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Débit en bauds :</translation>
    </message>
    <message>
        <source>Parity check:</source>
        <translation>Contrôle de parité :</translation>
    </message>
    <message>
        <source>Bit number:</source>
        <translation>Nombre de bits :</translation>
    </message>
    <message>
        <source>Config MR properties</source>
        <translation>Propriétés du lecteur de cartes (MR)</translation>
    </message>
    <message>
        <source>Card Data Prefix:</source>
        <translation>Préfixe des données :</translation>
    </message>
    <message>
        <source>Card Data Suffix:</source>
        <translation>Suffixe des données :</translation>
    </message>
    <message>
        <source>Enable beep at good read</source>
        <translation>Bip à la lecture réussie</translation>
    </message>
    <message>
        <source>Enable 3 beepsat card read error</source>
        <translation>3 bips en cas d&apos;erreur de lecture</translation>
    </message>
    <message>
        <source>Skip output of track with error</source>
        <translation>Omettre une piste en erreur</translation>
    </message>
    <message>
        <source>No data output with any error</source>
        <translation>Aucune donnée en cas d&apos;erreur</translation>
    </message>
    <message>
        <source>Track1 Properties</source>
        <translation>Propriétés de la piste 1</translation>
    </message>
    <message>
        <source>Track2 Properties</source>
        <translation>Propriétés de la piste 2</translation>
    </message>
    <message>
        <source>Track3 Properties</source>
        <translation>Propriétés de la piste 3</translation>
    </message>
    <message>
        <source>Enable data</source>
        <translation>Activer les données</translation>
    </message>
    <message>
        <source>Enable start sentinel</source>
        <translation>Sentinelle de début</translation>
    </message>
    <message>
        <source>Enable end sentinel</source>
        <translation>Sentinelle de fin</translation>
    </message>
    <message>
        <source>Enable LRC output</source>
        <translation>Sortie du LRC</translation>
    </message>
    <message>
        <source>Enable separator</source>
        <translation>Activer le séparateur</translation>
    </message>
    <message>
        <source>Enable seperator</source>
        <translation>Activer le séparateur</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffixe :</translation>
    </message>
    <message>
        <source>Field Terminator:</source>
        <translation>Fin de champ :</translation>
    </message>
    <message>
        <source>Key Code Test Output:</source>
        <translation>Sortie du test des codes de touche :</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Esc three times: Quit</source>
        <translation>Échap trois fois : quitter</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new Template</source>
        <translation>Créer un nouveau modèle</translation>
    </message>
    <message>
        <source>New Template</source>
        <translation>Nouveau modèle</translation>
    </message>
    <message>
        <source>&amp;Load...	Ctrl+L</source>
        <translation>&amp;Charger...	Ctrl+L</translation>
    </message>
    <message>
        <source>Load from template file</source>
        <translation>Charger depuis un fichier modèle</translation>
    </message>
    <message>
        <source>Load Template</source>
        <translation>Charger un modèle</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save to template file</source>
        <translation>Enregistrer dans le fichier modèle</translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active Template with a new name</source>
        <translation>Enregistrer le modèle actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Load &amp;Default	Ctrl+D</source>
        <translation>Charger le modèle par &amp;défaut	Ctrl+D</translation>
    </message>
    <message>
        <source>Load default template</source>
        <translation>Charger le modèle par défaut</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>&amp;Import Text Data	Ctrl+I</source>
        <translation>&amp;Importer des données texte	Ctrl+I</translation>
    </message>
    <message>
        <source>Import template data from a text file</source>
        <translation>Importer les données du modèle depuis un fichier texte</translation>
    </message>
    <message>
        <source>Import text data</source>
        <translation>Importer des données texte</translation>
    </message>
    <message>
        <source>&amp;Export Text Data	Ctrl+E</source>
        <translation>E&amp;xporter des données texte	Ctrl+E</translation>
    </message>
    <message>
        <source>Export template data from a text file</source>
        <translation>Exporter les données du modèle dans un fichier texte</translation>
    </message>
    <message>
        <source>Export text data</source>
        <translation>Exporter des données texte</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print the keys with their labels and contents</source>
        <translation>Imprimer les touches avec leurs libellés et leurs contenus</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export Pic&amp;ture...</source>
        <translation>Exporter une ima&amp;ge...</translation>
    </message>
    <message>
        <source>Save the keys with their labels and contents as an SVG, PNG or PDF picture</source>
        <translation>Enregistrer les touches avec leurs libellés et leurs contenus comme image SVG, PNG ou PDF</translation>
    </message>
    <message>
        <source>Export picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Select PX2100 keyboard</source>
        <translation>Choisir le clavier PX2100</translation>
    </message>
    <message>
        <source>Select PX2200 keyboard</source>
        <translation>Choisir le clavier PX2200</translation>
    </message>
    <message>
        <source>Select PX2400 keyboard</source>
        <translation>Choisir le clavier PX2400</translation>
    </message>
    <message>
        <source>Select DV3300 keyboard</source>
        <translation>Choisir le clavier DV3300</translation>
    </message>
    <message>
        <source>Select DV3500 keyboard</source>
        <translation>Choisir le clavier DV3500</translation>
    </message>
    <message>
        <source>Select DV3100 Keyboard</source>
        <translation>Choisir le clavier DV3100</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change of the template</source>
        <translation>Annuler la dernière modification du modèle</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Clear Current Key</source>
        <translation>&amp;Effacer la touche courante</translation>
    </message>
    <message>
        <source>Clear current key content</source>
        <translation>Effacer le contenu de la touche courante</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Effacer la touche</translation>
    </message>
    <message>
        <source>Set &amp;ASCII Mode</source>
        <translation>Passer en mode AS&amp;CII</translation>
    </message>
    <message>
        <source>Set key to ASCII code mode</source>
        <translation>Passer la touche en mode ASCII</translation>
    </message>
    <message>
        <source>ASCII code mode</source>
        <translation>Mode ASCII</translation>
    </message>
    <message>
        <source>Set &amp;ScanCode Mode</source>
        <translation>Passer en mode code de &amp;balayage</translation>
    </message>
    <message>
        <source>Set key to scan code mode</source>
        <translation>Passer la touche en mode code de balayage</translation>
    </message>
    <message>
        <source>Scan code mode</source>
        <translation>Mode code de balayage</translation>
    </message>
    <message>
        <source>Insert Ca&amp;ps Code</source>
        <translation>Insérer le code &amp;Majuscules</translation>
    </message>
    <message>
        <source>Insert a Caps function code</source>
        <translation>Insérer un code de fonction Majuscules</translation>
    </message>
    <message>
        <source>Insert caps code</source>
        <translation>Insérer le code Majuscules</translation>
    </message>
    <message>
        <source>Insert &amp;Delay Time</source>
        <translation>Insérer un &amp;délai</translation>
    </message>
    <message>
        <source>Insert inter-string delay time function code</source>
        <translation>Insérer un code de fonction de délai entre chaînes</translation>
    </message>
    <message>
        <source>Insert Delay time</source>
        <translation>Insérer un délai</translation>
    </message>
    <message>
        <source>Enter &amp;Level Separator</source>
        <translation>Insérer le &amp;séparateur de niveaux</translation>
    </message>
    <message>
        <source>Enter level-separator function code</source>
        <translation>Insérer le code de fonction séparateur de niveaux</translation>
    </message>
    <message>
        <source>Enter Level separator</source>
        <translation>Insérer le séparateur de niveaux</translation>
    </message>
    <message>
        <source>Enter S&amp;hift Level code</source>
        <translation>Insérer un code de &amp;niveau de majuscule</translation>
    </message>
    <message>
        <source>Enter multi-level function code</source>
        <translation>Insérer un code de fonction multiniveau</translation>
    </message>
    <message>
        <source>Multi-level code</source>
        <translation>Code multiniveau</translation>
    </message>
    <message>
        <source>&amp;Enter ASCII Code</source>
        <translation>Sa&amp;isir un code ASCII</translation>
    </message>
    <message>
        <source>Enter ASCII code as decimal</source>
        <translation>Saisir un code ASCII en décimal</translation>
    </message>
    <message>
        <source>Enter ASCII code</source>
        <translation>Saisir un code ASCII</translation>
    </message>
    <message>
        <source>S&amp;witch ASCII Display mode</source>
        <translation>C&amp;hanger le mode d&apos;affichage ASCII</translation>
    </message>
    <message>
        <source>Switch ASCII display mode</source>
        <translation>Changer le mode d&apos;affichage ASCII</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Mode d&apos;affichage</translation>
    </message>
    <message>
        <source>Select Scan C&amp;ode</source>
        <translation>Choisir un c&amp;ode de balayage</translation>
    </message>
    <message>
        <source>Enter scan code from list</source>
        <translation>Saisir un code de balayage depuis la liste</translation>
    </message>
    <message>
        <source>Enter Scan code</source>
        <translation>Saisir un code de balayage</translation>
    </message>
    <message>
        <source>&amp;Read From KB</source>
        <translation>&amp;Lire depuis le clavier</translation>
    </message>
    <message>
        <source>Read data from keyboard</source>
        <translation>Lire les données depuis le clavier</translation>
    </message>
    <message>
        <source>Read data</source>
        <translation>Lire les données</translation>
    </message>
    <message>
        <source>&amp;Write Into KB</source>
        <translation>É&amp;crire dans le clavier</translation>
    </message>
    <message>
        <source>Write data into keyboard</source>
        <translation>Écrire les données dans le clavier</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Écrire les données</translation>
    </message>
    <message>
        <source>Config &amp;KB Properties</source>
        <translation>Propriétés du cla&amp;vier</translation>
    </message>
    <message>
        <source>Config &amp;MR properties</source>
        <translation>Propriétés du lecteur de cartes (&amp;MR)</translation>
    </message>
    <message>
        <source>Config MR</source>
        <translation>Lecteur MR</translation>
    </message>
    <message>
        <source>Config RS232 protocol</source>
        <translation>Configurer le protocole RS232</translation>
    </message>
    <message>
        <source>Config RS232</source>
        <translation>Configurer RS232</translation>
    </message>
    <message>
        <source>Communication &amp;Port...</source>
        <translation>&amp;Port de communication...</translation>
    </message>
    <message>
        <source>Choose the port to the keyboard: PS/2 or USB</source>
        <translation>Choisir le port vers le clavier : PS/2 ou USB</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Port de communication</translation>
    </message>
    <message>
        <source>Keyboard Output</source>
        <translation>Sortie du clavier</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;About VEXA...</source>
        <translation>À &amp;propos de VEXA...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Key Word &amp;List</source>
        <translation>&amp;Liste des mots-clés</translation>
    </message>
    <message>
        <source>Special Function Key Word Table</source>
        <translation>Table des mots-clés des fonctions spéciales</translation>
    </message>
    <message>
        <source>Key Word</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>&amp;Key Edit</source>
        <translation>É&amp;dition des touches</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>Con&amp;figuration</translation>
    </message>
    <message>
        <source>T&amp;esting</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos;</source>
        <translation>option inconnue &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%s&apos; (put -- before an argument that begins with a dash)</source>
        <translation>option inconnue &apos;%s&apos; (mettez -- avant un argument qui commence par un tiret)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>option --%s belongs to %s</source>
        <translation>l&apos;option --%s appartient à %s</translation>
    </message>
    <message>
        <source>Try &apos;vexa-cli --help&apos;.</source>
        <translation>Essayez &apos;vexa-cli --help&apos;.</translation>
    </message>
    <message>
        <source>option %s is given more than once</source>
        <translation>l&apos;option %s est donnée plusieurs fois</translation>
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
        <translation>Usage : vexa-cli content check TEXT...
        vexa-cli content encode TEXT
        vexa-cli content length TEXT
        vexa-cli content decode HEX...
        vexa-cli content decimal TEXT
        vexa-cli content words

Traite les contenus de touche : le texte d&apos;une touche, fait de caractères
ordinaires, des échappements [[ et ]] pour un crochet littéral et de mots-clés
entre crochets comme [CR], [Delay5], [F1] ou [PageUp]. Textes et sortie sont
des octets bruts sur 8 bits.

  check    une ligne par TEXT : &apos;ascii&apos; (contenu valide en mode ASCII, texte
           vide compris), &apos;scancode&apos; (valide seulement en mode code de
           balayage) ou &apos;invalid&apos;
  encode   les octets que stocke la touche (sans son terminateur 00), en paires
           hexadécimales majuscules séparées par une espace ; une ligne vide
           s&apos;il n&apos;y en a aucun
  length   le nombre d&apos;octets qu&apos;occupe la touche dans la mémoire du clavier
           (sans son terminateur), tel que l&apos;éditeur compte l&apos;espace restant
  decode   le texte de contenu d&apos;une chaîne de touche stockée, donnée en paires
           hexadécimales (espaces facultatives ; pas de 00, qui termine une
           chaîne de touche)
  decimal  l&apos;affichage décimal d&apos;un contenu en mode ASCII : chaque caractère
           sous forme de sa valeur d&apos;octet entre crochets, mots de fonction
           inchangés
  words    la liste des mots-clés : chaque mot de code de balayage nommé, avec
           sa signification

Mettez -- avant un TEXT qui commence par un tiret.

Exemples :
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
        <translation>HEX doit être formé de paires de chiffres hexadécimaux : &apos;%s&apos;</translation>
    </message>
    <message>
        <source>not a hex digit in HEX: &apos;%s&apos;</source>
        <translation>caractère non hexadécimal dans HEX : &apos;%s&apos;</translation>
    </message>
    <message>
        <source>HEX holds 00, which ends a key string: &apos;%s&apos;</source>
        <translation>HEX contient 00, qui termine une chaîne de touche : &apos;%s&apos;</translation>
    </message>
    <message>
        <source>&apos;content %s&apos; takes exactly one TEXT (quote it when it holds blanks)</source>
        <translation>&apos;content %s&apos; prend exactement un TEXT (mettez-le entre guillemets s&apos;il contient des blancs)</translation>
    </message>
    <message>
        <source>&apos;content&apos; needs a sub-command: check, encode, length, decode, decimal, words</source>
        <translation>&apos;content&apos; nécessite une sous-commande : check, encode, length, decode, decimal, words</translation>
    </message>
    <message>
        <source>&apos;content check&apos; needs at least one TEXT</source>
        <translation>&apos;content check&apos; nécessite au moins un TEXT</translation>
    </message>
    <message>
        <source>&apos;content decode&apos; needs the HEX bytes of a key string</source>
        <translation>&apos;content decode&apos; nécessite les octets HEX d&apos;une chaîne de touche</translation>
    </message>
    <message>
        <source>&apos;content words&apos; takes no arguments</source>
        <translation>&apos;content words&apos; ne prend aucun argument</translation>
    </message>
    <message>
        <source>unknown sub-command &apos;%s&apos; for &apos;content&apos;</source>
        <translation>sous-commande inconnue &apos;%s&apos; pour &apos;content&apos;</translation>
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
        <translation>Usage : vexa-cli keyboard list [--port usb] [--json] [--verbose]
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

Communique avec un clavier de la série PX connecté et transfère son modèle
(l&apos;image mémoire de 2048 octets) en 64 blocs de 32 octets.

  list    affiche une ligne par clavier USB connecté :
          PATH&lt;TAB&gt;PRODUCT&lt;TAB&gt;SERIAL&lt;TAB&gt;STATE, STATE valant &quot;ready&quot;,
          &quot;no permission&quot; (voir le README, « USB permissions ») ou
          &quot;not answering&quot; ; SERIAL est vide si le clavier n&apos;en a pas. Sans
          clavier, n&apos;affiche rien (stderr le signale) et renvoie 0. Chaque
          clavier utilisable reçoit une demande de rapport : ne listez pas
          pendant qu&apos;un autre programme fait un transfert avec un clavier
  detect  cherche le clavier et affiche &quot;found&quot; avec le chemin du périphérique
  read    lit le modèle du clavier et l&apos;écrit dans OUT.bin ; si un bloc
          échoue, rien n&apos;est écrit
  write   écrit le fichier modèle IN.bin dans le clavier. Le fichier est
          contrôlé avant de toucher au clavier : 2048 octets, des données de
          touches décodables, valides et qui tiennent dans la mémoire. Une
          écriture qui échoue à mi-chemin laisse dans le clavier un modèle
          partiellement écrit : écrivez-le de nouveau avant usage
  watch   un poste de programmation : contrôle IN.bin une fois, écrit dans
          chaque clavier connecté (sauf avec --new-only), puis dans chaque
          clavier branché, une fois par branchement, plusieurs à la fois. Les
          claviers branchés sont trouvés par les événements de périphériques
          du système (udev), chacun contrôlé comme le fait la détection ; un
          clavier terminé ou en échec est laissé de côté jusqu&apos;à ce qu&apos;il soit
          débranché puis rebranché. Une ligne par clavier terminé sur stdout,
          comme l&apos;affiche &apos;write --all&apos; ; sur un terminal, un tableau en direct
          des claviers en cours sur stderr. Ctrl+C (SIGINT, SIGTERM) arrête
          l&apos;attente, laisse finir les écritures en cours, affiche le bilan
          (written, verified, unchanged, failed) et renvoie 0 seulement si
          aucun n&apos;a échoué

En USB, seul le clavier est ouvert : on demande au système les périphériques
HID ayant les identifiants de fournisseur et de produit du clavier (0fa8:c280),
et chacun est contrôlé avant tout envoi. Un clavier débranché puis rebranché
est retrouvé, même au cours d&apos;une seule commande (write --verify). Sans
--device, le premier clavier trouvé est utilisé.

Plusieurs claviers (USB) : &apos;list&apos; les affiche, --device PATH en choisit un, et
&apos;write --all&apos; écrit dans tous les claviers connectés en même temps, une tâche
par clavier, à peu près dans le temps d&apos;un seul. La commande se termine par
une ligne par clavier sur stdout : PATH&lt;TAB&gt;SERIAL&lt;TAB&gt;RESULT, RESULT valant
&quot;written&quot;, &quot;verified&quot; ou l&apos;erreur (&quot;Erreur d&apos;écriture des données, Count=N&quot;
et sa signification). Un clavier en échec n&apos;arrête jamais les autres ; le code
de sortie n&apos;est 0 que si tous les claviers ont réussi. Le port PS/2 reste à un
seul clavier : un PC n&apos;a qu&apos;un port clavier, donc --device et --all ne valent
que pour l&apos;USB.

Options :
  --port usb|ps2           USB (par défaut) ou le port clavier PS/2 : le
                           pilote serio_raw du noyau prend le port clavier
                           i8042 pour le transfert et le rend ensuite au
                           pilote du clavier (en root, ou via pkexec et le
                           mot de passe d&apos;un administrateur) ; voir le
                           README, « PS/2 on Linux »
  --device PATH            USB : utiliser le clavier situé à PATH (un nœud
                           hidraw tel que &apos;list&apos; l&apos;affiche), contrôlé avant
                           tout envoi ; un chemin qui n&apos;est pas un clavier
                           connecté est refusé
  --all                    write : tous les claviers USB connectés à la fois
  --ps2-device NODE        PS/2 par NODE, un périphérique serio_raw déjà lié
                           (/dev/serio_rawN) ou tout ce qui parle comme lui ;
                           rien n&apos;est lié ; implique --port ps2
  --if-different           lire d&apos;abord le modèle du clavier et n&apos;écrire que
                           s&apos;il diffère ; sinon le résultat est &quot;unchanged&quot;
                           (code de sortie 0)
  --json                   stdout ne contient que du JSON (les messages
                           restent sur stderr) : list un tableau de {path,
                           product, serial, state} ; detect un {found, port,
                           path} ; write --all et watch un objet par clavier
                           et par ligne : {path, serial, product, result,
                           error, started, finished, sha256}, result valant
                           &quot;written&quot;, &quot;verified&quot;, &quot;unchanged&quot; ou &quot;failed&quot;
                           (error contient alors le message, sinon null) ;
                           heures en UTC
  --log FILE               watch : ajouter l&apos;objet JSON de chaque clavier à
                           FILE, synchronisé sur le disque à chaque écriture
  --count N                watch : finir après N claviers
  --new-only               watch : laisser de côté les claviers connectés au
                           démarrage
  --verify                 après l&apos;écriture, relire tout le modèle et
                           comparer ; les blocs qui diffèrent sont nommés
  --backup FILE            avant l&apos;écriture, lire le modèle du clavier et le
                           sauvegarder dans FILE ; rien n&apos;est écrit en cas
                           d&apos;échec
  --backup DIR             avec --all : une sauvegarde par clavier dans DIR
                           (créé s&apos;il manque), nommée d&apos;après le numéro de
                           série du clavier, ou son chemin s&apos;il n&apos;en a pas
                           ou le partage : DIR/SERIAL.bin
  --verbose                afficher les lignes de diagnostic du port USB
                           (détection, contrôles d&apos;identité) sur stderr
  --simulate-keyboard FILE utiliser un clavier simulé dont la mémoire est
                           conservée dans FILE (créé avec un modèle vide
                           s&apos;il manque)
  --simulate-keyboard DIR  plusieurs claviers USB simulés, un par fichier
                           .bin dans DIR, chacun avec le nom du fichier pour
                           numéro de série (le premier est aussi sur PS/2) ;
                           avec watch, un fichier .bin qui apparaît dans DIR
                           est un clavier branché, un qui disparaît est
                           débranché

La progression s&apos;affiche sur stderr : sur un terminal une barre (une ligne par
clavier avec --all), sinon de simples pourcentages. Une écriture prend environ
16 secondes en USB ; ne débranchez pas le clavier pendant ce temps.

Exemples :
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
        <translation>--port prend usb ou ps2, pas &apos;%s&apos;</translation>
    </message>
    <message>
        <source>--simulate-keyboard needs a file name</source>
        <translation>--simulate-keyboard nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>--ps2-device needs a device node</source>
        <translation>--ps2-device nécessite un nœud de périphérique</translation>
    </message>
    <message>
        <source>--ps2-device goes with --port ps2</source>
        <translation>--ps2-device va avec --port ps2</translation>
    </message>
    <message>
        <source>--ps2-device and --simulate-keyboard exclude each other</source>
        <translation>--ps2-device et --simulate-keyboard s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--device needs a device path (&apos;vexa-cli keyboard list&apos; prints them)</source>
        <translation>--device nécessite un chemin de périphérique (&apos;vexa-cli keyboard list&apos; les affiche)</translation>
    </message>
    <message>
        <source>--device names a USB keyboard: the PS/2 port has one keyboard</source>
        <translation>--device désigne un clavier USB : le port PS/2 n&apos;a qu&apos;un clavier</translation>
    </message>
    <message>
        <source>list shows USB keyboards: the PS/2 port has one keyboard (&apos;keyboard detect --port ps2&apos;)</source>
        <translation>list affiche les claviers USB : le port PS/2 n&apos;a qu&apos;un clavier (&apos;keyboard detect --port ps2&apos;)</translation>
    </message>
    <message>
        <source>list takes no file</source>
        <translation>list ne prend pas de fichier</translation>
    </message>
    <message>
        <source>detect takes no file</source>
        <translation>detect ne prend pas de fichier</translation>
    </message>
    <message>
        <source>read takes one output file</source>
        <translation>read prend un fichier de sortie</translation>
    </message>
    <message>
        <source>--backup needs a directory</source>
        <translation>--backup nécessite un dossier</translation>
    </message>
    <message>
        <source>--backup needs a file name</source>
        <translation>--backup nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>--all writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>--all écrit des claviers USB : le port PS/2 n&apos;a qu&apos;un clavier</translation>
    </message>
    <message>
        <source>--all and --device exclude each other</source>
        <translation>--all et --device s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--json goes with write --all: one object per keyboard</source>
        <translation>--json va avec write --all : un objet par clavier</translation>
    </message>
    <message>
        <source>write takes one template file</source>
        <translation>write prend un fichier modèle</translation>
    </message>
    <message>
        <source>watch writes USB keyboards: the PS/2 port has one keyboard</source>
        <translation>watch écrit des claviers USB : le port PS/2 n&apos;a qu&apos;un clavier</translation>
    </message>
    <message>
        <source>watch takes one template file</source>
        <translation>watch prend un fichier modèle</translation>
    </message>
    <message>
        <source>--log needs a file name</source>
        <translation>--log nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>--count takes a positive number, not &apos;%s&apos;</source>
        <translation>--count prend un nombre positif, pas &apos;%s&apos;</translation>
    </message>
    <message>
        <source>watch simulates keyboards with a directory: --simulate-keyboard DIR</source>
        <translation>watch simule des claviers avec un dossier : --simulate-keyboard DIR</translation>
    </message>
    <message>
        <source>keyboard needs a subcommand: list, detect, read, write or watch</source>
        <translation>keyboard nécessite une sous-commande : list, detect, read, write ou watch</translation>
    </message>
    <message>
        <source>unknown keyboard subcommand &apos;%s&apos;</source>
        <translation>sous-commande de keyboard inconnue &apos;%s&apos;</translation>
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
        <translation>Usage : vexa-cli layout [--model M]

Liste la disposition des touches d&apos;un modèle, une ligne par position, avec
des champs séparés par des tabulations :
  POS KEYINDEX LABEL LEFT TOP WIDTH HEIGHT LEFT-NEIGHBOUR RIGHT-NEIGHBOUR UP-NEIGHBOUR DOWN-NEIGHBOUR
POS est la position (l&apos;ordre des lignes des modèles texte), KEYINDEX
l&apos;emplacement de la touche dans le modèle (0..175), LEFT TOP WIDTH HEIGHT son
rectangle en pixels, et les quatre derniers les positions où mènent les flèches.

Options :
  --model M  le modèle : PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 ou son
             id 2013..2018 ; par défaut : le dernier modèle de l&apos;éditeur
             (PX2400 si aucun n&apos;est enregistré)

Exemples :
  vexa-cli layout --model DV3100
  vexa-cli layout --model 2016 | cut -f1,3
  vexa-cli layout --model PX2400 | awk -F&apos;\t&apos; &apos;$3 == &quot;Enter&quot;&apos;
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos; for &apos;layout&apos;</source>
        <translation>argument inattendu &apos;%s&apos; pour &apos;layout&apos;</translation>
    </message>
    <message>
        <source>check, encode, measure and decode key contents</source>
        <translation>vérifier, encoder, mesurer et décoder des contenus de touche</translation>
    </message>
    <message>
        <source>list the key layout of a keyboard model</source>
        <translation>lister la disposition des touches d&apos;un modèle de clavier</translation>
    </message>
    <message>
        <source>create, show, export, import, render and compare template files</source>
        <translation>créer, afficher, exporter, importer, dessiner et comparer des fichiers modèles</translation>
    </message>
    <message>
        <source>list and detect keyboards, read and write their templates</source>
        <translation>lister et détecter les claviers, lire et écrire leurs modèles</translation>
    </message>
    <message>
        <source>Usage: vexa-cli COMMAND [ARGUMENTS...]

Edits and transfers the key templates of PX and DV series programmable keyboards.

Commands:
</source>
        <translation>Usage : vexa-cli COMMAND [ARGUMENTS...]

Édite et transfère les modèles de touches des claviers programmables PX et DV.

Commandes :
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
        <translation>  help      afficher l&apos;aide d&apos;une commande : vexa-cli help COMMAND

Options :
  --help     afficher cette aide
  --version  afficher la version

Code de sortie : 0 succès, 1 refus/échec (message sur stderr), 2 erreur d&apos;usage ;
&apos;template diff&apos; comme diff(1) : 0 identiques, 1 différents, 2 problème.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%s&apos;</source>
        <translation>commande inconnue &apos;%s&apos;</translation>
    </message>
    <message>
        <source>unknown keyboard model &apos;%s&apos; (use PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 or 2013..2018)</source>
        <translation>modèle de clavier inconnu &apos;%s&apos; (utilisez PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 ou 2013..2018)</translation>
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
        <translation>Usage : vexa-cli template new OUT.bin
        vexa-cli template show FILE.bin [--model M]
        vexa-cli template export FILE.bin OUT.txt [--model M]
        vexa-cli template import IN.txt OUT.bin [--model M] [--base FILE.bin]
        vexa-cli template render FILE.bin OUT.svg|OUT.png|OUT.pdf [--model M]
        vexa-cli template diff A.bin B.bin [--model M] [--json]

Traite les fichiers modèles (l&apos;image mémoire de 2048 octets du clavier) et les
fichiers modèles texte (une ligne par touche : libellé, virgule, contenu ;
barre oblique inverse et virgule échappées par une barre oblique inverse ;
fins de ligne CR LF).

  new     écrit le fichier modèle d&apos;un modèle neuf, vierge
  show    liste le modèle, une ligne par position de la disposition, avec les
          champs séparés par des tabulations POS KEYINDEX LABEL CONTENT, puis
          &quot;Total space left (bytes): N&quot;
  export  écrit le fichier modèle texte d&apos;un fichier modèle
  import  applique un modèle texte sur un modèle de base (par défaut : un
          neuf), contrôle chaque touche et écrit le fichier modèle. Une touche
          dont le contenu n&apos;est pas valide arrête l&apos;importation : rien n&apos;est
          écrit et la position, le libellé et le contenu de la touche sont
          signalés. Un nombre de lignes incorrect est signalé, mais le fichier
          est tout de même écrit.
  render  dessine la feuille de légendes : chaque touche du modèle de clavier
          avec son libellé et son contenu, en SVG, PNG ou PDF selon
          l&apos;extension de OUT ; un contenu trop long pour sa touche est écrit
          en entier dans les notes sous le clavier. Ne nécessite pas
          d&apos;affichage.
  diff    compare deux fichiers modèles : une ligne par position de touche
          dont le contenu diffère, champs séparés par des tabulations
          POSITION LABEL CONTENT-IN-A CONTENT-IN-B (touches que le modèle de
          clavier n&apos;affiche pas : position &quot;-&quot;, libellé &quot;(key index N)&quot;),
          puis une ligne par réglage différent, NAME VALUE-IN-A VALUE-IN-B,
          nommé comme dans les boîtes de dialogue de configuration. Code de
          sortie comme diff(1) : 0 identiques, 1 différents, 2 problème (un
          fichier illisible, un usage incorrect). --json affiche à la place un
          seul objet : {&quot;keys&quot;: [{&quot;position&quot;, &quot;keyIndex&quot;, &quot;label&quot;, &quot;a&quot;,
          &quot;b&quot;}...], &quot;settings&quot;: [{&quot;name&quot;, &quot;a&quot;, &quot;b&quot;}...]} (position null pour
          une touche que la disposition n&apos;affiche pas)

Options :
  --model M      le modèle : PX2400, PX2100, PX2200, DV3500, DV3100, DV3300 ou
                 son id 2013..2018 ; par défaut : le dernier modèle de
                 l&apos;éditeur (PX2400 si aucun n&apos;est enregistré). Les fichiers
                 modèles n&apos;indiquent pas le modèle de clavier : --model
                 détermine à quelles touches et libellés appartiennent les
                 lignes de texte.
  --base FILE    le modèle sur lequel le modèle texte est appliqué

Exemples :
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
        <translation>&apos;template new&apos; prend un nom de fichier : OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template show&apos; takes one file name: FILE.bin</source>
        <translation>&apos;template show&apos; prend un nom de fichier : FILE.bin</translation>
    </message>
    <message>
        <source>&apos;template export&apos; takes two file names: FILE.bin OUT.txt</source>
        <translation>&apos;template export&apos; prend deux noms de fichier : FILE.bin OUT.txt</translation>
    </message>
    <message>
        <source>&apos;template import&apos; takes two file names: IN.txt OUT.bin</source>
        <translation>&apos;template import&apos; prend deux noms de fichier : IN.txt OUT.bin</translation>
    </message>
    <message>
        <source>&apos;template render&apos; takes two file names: FILE.bin OUT.svg, OUT.png or OUT.pdf</source>
        <translation>&apos;template render&apos; prend deux noms de fichier : FILE.bin OUT.svg, OUT.png ou OUT.pdf</translation>
    </message>
    <message>
        <source>&apos;template diff&apos; takes two file names: A.bin B.bin</source>
        <translation>&apos;template diff&apos; prend deux noms de fichier : A.bin B.bin</translation>
    </message>
    <message>
        <source>&apos;template&apos; needs a subcommand: new, show, export, import, render or diff</source>
        <translation>&apos;template&apos; nécessite une sous-commande : new, show, export, import, render ou diff</translation>
    </message>
    <message>
        <source>unknown template subcommand &apos;%s&apos;</source>
        <translation>sous-commande de template inconnue &apos;%s&apos;</translation>
    </message>
    <message>
        <source>ScanCode Mode</source>
        <translation>Mode balayage</translation>
    </message>
    <message>
        <source>ASCII Decimal Mode</source>
        <translation>Mode ASCII décimal</translation>
    </message>
    <message>
        <source>ASCII Mode</source>
        <translation>Mode ASCII</translation>
    </message>
    <message>
        <source>Key Name:</source>
        <translation>Touche :</translation>
    </message>
    <message>
        <source>Key content:</source>
        <translation>Contenu :</translation>
    </message>
    <message>
        <source>Total space left (bytes):</source>
        <translation>Espace libre (octets) :</translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key.  </source>
        <translation>Choisir la touche : souris ou &lt;Shift&gt; + &lt;Flèche&gt;.  </translation>
    </message>
    <message>
        <source>Use Mouse or &lt;Shift&gt; + &lt;Arrow&gt; to Select Key. Use &lt;ESC&gt; then &lt;Func Key&gt; to Input Function Key Code.</source>
        <translation>Choisir la touche : souris ou &lt;Shift&gt; + &lt;Flèche&gt;. &lt;ESC&gt; puis &lt;Touche F&gt; : code de fonction.</translation>
    </message>
    <message>
        <source>Black Key: blank key</source>
        <translation>Noire : touche vide</translation>
    </message>
    <message>
        <source>Blue Key</source>
        <translation>Bleue</translation>
    </message>
    <message>
        <source>: defined key</source>
        <translation> : touche définie</translation>
    </message>
    <message>
        <source>Green Key</source>
        <translation>Verte</translation>
    </message>
    <message>
        <source>: modified key</source>
        <translation> : touche modifiée</translation>
    </message>
    <message>
        <source>Port Name: %s</source>
        <translation>Port : %s</translation>
    </message>
</context>
<context>
    <name>vexa::CAboutDlg</name>
    <message>
        <source>Keyboard Editor Version %1</source>
        <translation>Éditeur de clavier version %1</translation>
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
        <translation>Table des mots-clés des fonctions spéciales</translation>
    </message>
    <message>
        <source>Special function key words</source>
        <translation>Mots-clés des fonctions spéciales</translation>
    </message>
</context>
<context>
    <name>vexa::CMainFrame</name>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>CAP</source>
        <extracomment>Status bar indicator: Caps Lock is on.</extracomment>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <extracomment>Status bar indicator: Num Lock is on.</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <extracomment>Status bar indicator: Scroll Lock is on.</extracomment>
        <translation>DÉFIL</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Verrouillage majuscules</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Verrouillage numérique</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Arrêt défilement</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectConnectedKeyboard</name>
    <message>
        <source>serial %1</source>
        <extracomment>A connected keyboard&apos;s serial number in the list of keyboards.</extracomment>
        <translation>n° de série %1</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectKeyboard</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>vexa::CSelectPort</name>
    <message>
        <source>Port Name:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vexa::CStationDialog</name>
    <message>
        <source>Template file</source>
        <translation>Fichier modèle</translation>
    </message>
    <message>
        <source>Choose the template file</source>
        <translation>Choisir le fichier modèle</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Claviers</translation>
    </message>
    <message>
        <source>Station status</source>
        <translation>État de la station</translation>
    </message>
</context>
<context>
    <name>vexa::CTextFileNamePath</name>
    <message>
        <source>Text File Template Import/Export</source>
        <translation>Importer/exporter un modèle texte</translation>
    </message>
    <message>
        <source>Text file template(*.txt)</source>
        <translation>Fichier modèle texte (*.txt)</translation>
    </message>
    <message>
        <source>Import</source>
        <extracomment>The accept button of the text template file chooser.</extracomment>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>vexa::CVEXAView</name>
    <message>
        <source>Keyboard layout</source>
        <translation>Disposition du clavier</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vexa::TransferProgressDisplay</name>
    <message>
        <source>Transfer progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
</TS>
