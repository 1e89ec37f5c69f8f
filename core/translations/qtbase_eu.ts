<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortatu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Berrezarri lehenetsiak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ez ikusi</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>E&amp;z denei</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gorde denak</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Baztertu</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Bai &amp;denei</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Aukerak &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Aukerak &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Inprimatu fitxategian (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Inprimatu fitxategian...</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fitxategi lokala</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Idatzi PDF fitxategia</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Orri guztiak</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Orri bakoitiak</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Orri bikoitiak</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatikoa</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Ezkerretik eskuinera, goitik behera</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Ezkerretik eskuinera, behetik gora</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Eskuinetik ezkerrera, goitik behera</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Eskuinetik ezkerrera, behetik gora</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Goitik behera, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Goitik behera, eskuinetik ezkerrera</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Behetik gora, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Behetik gora, eskuinetik ezkerrera</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>«Orriak xafla bakoitzeko» eta «Orri multzoa» aukerak ezin dira batera erabili.
Desaktibatu horietako bat.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 badago lehendik.
Gainidatzi nahi duzu?</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>«Nondik» balioa ezin da «Nora» balioa baino handiagoa izan.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 karpeta bat da.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Ezin da %1 fitxategian idatzi.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Inprimagailuaren propietateak</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Lanaren aukerak</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Orria</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Inprimagailua</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Izena:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Propietateak</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Kokalekua:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aurrebista</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Mota:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Irteerako &amp;fitxategia:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopiak</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Inprimatzeko barrutia</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Inprimatu dena</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Orriak hemendik:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hona:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Uneko orria</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Hautapena</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Orri multzoa:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Irteeraren ezarpenak</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopiak:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Ordenatu</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Alderantzizkoa</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Aukerak</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Kolore modua</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolorea</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gris-eskala</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Bi aldeetako inprimaketa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Alde luzea</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Alde laburra</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lana</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Lanaren kontrola</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Programatutako inprimaketa:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Fakturazio-informazioa:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Lanaren lehentasuna:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Banner orriak</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Hasiera:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Amaiera:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Inprimatu berehala</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Eutsi mugarik gabe</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Eguna (06:00etatik 17:59etara)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Gaua (18:00etatik 05:59etara)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Bigarren txanda (16:00etatik 23:59etara)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Hirugarren txanda (00:00etatik 07:59etara)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Asteburua (larunbatetik igandera)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Ordu zehatza</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estandarra</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sailkatu gabea</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidentziala</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Sailkatua</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Sekretua</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Sekretu gorena</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularioa</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papera</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Orriaren tamaina:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Zabalera:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altuera:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Paper-iturria:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientazioa</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Bertikala</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontala</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Horizontala alderantziz</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Bertikala alderantziz</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marjinak</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>goiko marjina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ezkerreko marjina</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>eskuineko marjina</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>beheko marjina</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Orriaren diseinua</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Orrien ordena:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Orriak xafla bakoitzeko:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Pertsonalizatua</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetroak (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Hazbeteak (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puntuak (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Zizero (CC)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>Pertsonalizatua</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Pertsonalizatua (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Pertsonalizatua (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Pertsonalizatua (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Pertsonalizatua (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Pertsonalizatua (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Pertsonalizatua (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 txikia</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Gutuna / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloidea / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Liburu nagusia / ANSI B</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Posta-txartela</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Posta-txartel bikoitza</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>DL gutun-azala</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>C4 gutun-azala</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>C5 gutun-azala</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>C6 gutun-azala</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Oharra</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Adierazpena</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Joan atzera</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Joan aurrera</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Karpeta gurasoa</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Joan karpeta gurasora</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Sortu karpeta berri bat</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Zerrenda ikuspegia</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Aldatu zerrenda ikuspegira</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Xehetasun ikuspegia</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Aldatu xehetasun ikuspegira</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lekuen eta laster-marken zerrenda</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fitxategi-&amp;izena:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Karpeta:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Aukeratu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gorde honela</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Bilatu karpeta</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Karpetak</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Azken lekuak</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Berrizendatu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Erakutsi fitxategi &amp;ezkutuak</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Karpeta berria</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Erakutsi </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Aliasa</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Lasterbidea</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitatea</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ezezaguna</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 fitxategia</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 badago lehendik.
Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Ez da fitxategia aurkitu.
Egiaztatu fitxategiaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ez da karpeta aurkitu.
Egiaztatu karpetaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» idazketaren aurka babestuta dago.
Ezabatu nahi duzu hala ere?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Ziur zaude «%1» ezabatu nahi duzula?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Ezin izan da karpeta ezabatu.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Aldatze-data</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenagailua</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Fitxategi-izen baliogabea</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name "%1" can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Ezin da «%1» izena erabili.&lt;/b&gt;&lt;p&gt;Saiatu beste izen batekin, karaktere gutxiagorekin edo puntuazio-ikurrik gabe.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>E&amp;baki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
</TS>
