<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restabelecer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar os valores predeterminados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on a todo</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Gardar todo</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Si a &amp;todo</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Amosar os detalles...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Agochar os detalles...</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcións &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcións &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Imprimir nun ficheiro (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimir nun ficheiro...</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Ficheiro local</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Escribir un ficheiro PDF</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Todas as páxinas</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Páxinas impares</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Páxinas pares</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
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
        <translation>De esquerda a dereita, de arriba a abaixo</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De esquerda a dereita, de abaixo a arriba</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De dereita a esquerda, de arriba a abaixo</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De dereita a esquerda, de abaixo a arriba</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De arriba a abaixo, de esquerda a dereita</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De arriba a abaixo, de dereita a esquerda</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De abaixo a arriba, de esquerda a dereita</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De abaixo a arriba, de dereita a esquerda</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>As opcións «Páxinas por folla» e «Conxunto de páxinas» non se poden usar xuntas.
Desactive unha delas.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 xa existe.
Quere sobrescribilo?</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>O valor «Desde» non pode ser maior ca o valor «Ata».</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 é un cartafol.
Escolla outro nome de ficheiro.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Non se pode escribir no ficheiro %1.
Escolla outro nome de ficheiro.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Propiedades da impresora</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opcións do traballo</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Páxina</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Localización:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Ficheiro de saída:</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Intervalo de impresión</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Imprimir todo</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Páxinas desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ata</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Páxina actual</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Conxunto de páxinas:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Configuración da saída</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcións</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Impresión a dobre cara</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Lado longo</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Lado curto</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Traballo</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Control do traballo</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Impresión programada:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Información de facturación:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioridade do traballo:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Páxinas de cabeceira</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Imprimir inmediatamente</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Reter indefinidamente</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Día (06:00 a 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noite (18:00 a 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Segunda quenda (16:00 a 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Terceira quenda (00:00 a 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Fin de semana (sábado a domingo)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Hora concreta</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sen clasificar</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidencial</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Clasificado</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Alto secreto</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Tamaño da páxina:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Orixe do papel:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Horizontal invertido</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Vertical invertido</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marxes</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marxe superior</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marxe esquerda</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marxe dereita</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marxe inferior</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Deseño da páxina</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Orde das páxinas:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Páxinas por folla:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milímetros (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Polgadas (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puntos (pt)</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cícero (CC)</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Personalizado (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Personalizado (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Personalizado (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Personalizado (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Personalizado (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Personalizado (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 pequeno</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Carta / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloide / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Libro maior / ANSI B</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Postal dobre</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Sobre DL</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Sobre C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Sobre C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Sobre C6</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Declaración</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Ir atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adiante</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Ir adiante</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Cartafol superior</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir ao cartafol superior</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Cambiar á vista de lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vista detallada</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Cambiar á vista detallada</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista de lugares e marcadores</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Cartafol:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gardar</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escoller</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gardar como</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Buscar cartafol</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Cartafoles</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Lugares recentes</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Cambiar o &amp;nome</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Amosar os ficheiros &amp;agochados</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Novo cartafol</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Novo cartafol</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Amosar </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartafol</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Cartafol</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atallo</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Descoñecido</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Ficheiro %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 xa existe.
Quere substituílo?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Non se atopou o ficheiro.
Comprobe que o nome do ficheiro é correcto.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Non se atopou o cartafol.
Comprobe que o nome do cartafol é correcto.</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» está protexido contra escritura.
Quere eliminalo igualmente?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Seguro que quere eliminar «%1»?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Non se puido eliminar o cartafol.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificación</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de ficheiro non válido</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name "%1" can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Non se pode usar o nome «%1».&lt;/b&gt;&lt;p&gt;Probe con outro nome, con menos caracteres ou sen signos de puntuación.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
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
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
</TS>
