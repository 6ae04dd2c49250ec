<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>AboutYavo</name>
    <message>
        <source>Yavo Software</source>
        <translation>ಯಾವೋ ತಂತ್ರಾಂಶ</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>ಆವೃತ್ತಿ </translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Copyright © 2012-2026 Quenvel.&lt;br/&gt;All rights reserved.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ಹಕ್ಕುಸ್ವಾಮ್ಯ © 2012-2026 Quenvel.&lt;br/&gt;ಎಲ್ಲ ಹಕ್ಕುಗಳನ್ನು ಕಾಯ್ದಿರಿಸಲಾಗಿದೆ.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://www.quenvel.example/yavo&quot;&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; text-decoration: underline; color:#0707f9;&quot;&gt;www.quenvel.example/yavo&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the Yavo team</source>
        <translation>ಯಾವೋ ತಂಡದಿಂದ ರಚಿತ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;mailto:yavo@quenvel.example&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#337ab7; background-color:#ffffff;&quot;&gt;yavo@quenvel.example&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvancedSettings</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentAdmission</name>
    <message>
        <source>Couldn&apos;t open the file %1

%2</source>
        <translation>%1 ಕಡತವನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ

%2</translation>
    </message>
    <message>
        <source>%1 is %2 large.

Opening it takes a while. Do you want to open it?</source>
        <translation>%1 ಕಡತದ ಗಾತ್ರ %2.

ಅದನ್ನು ತೆರೆಯಲು ಸ್ವಲ್ಪ ಸಮಯ ಬೇಕಾಗುತ್ತದೆ. ತೆರೆಯಬೇಕೆ?</translation>
    </message>
</context>
<context>
    <name>DocumentCapacity</name>
    <message>
        <source>It has %1 paragraphs; a document may have at most %2.</source>
        <translation>ಅದರಲ್ಲಿ %1 ಪ್ಯಾರಾಗಳಿವೆ; ದಾಖಲೆಯಲ್ಲಿ ಗರಿಷ್ಠ %2 ಪ್ಯಾರಾಗಳಿರಬಹುದು.</translation>
    </message>
    <message>
        <source>It has a paragraph of %1 characters; the editor shows paragraphs of at most %2.</source>
        <translation>ಅದರಲ್ಲಿ %1 ಅಕ್ಷರಗಳ ಒಂದು ಪ್ಯಾರಾ ಇದೆ; ಸಂಪಾದಕವು ಗರಿಷ್ಠ %2 ಅಕ್ಷರಗಳ ಪ್ಯಾರಾಗಳನ್ನು ಮಾತ್ರ ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>It is too tall: paragraph %1 would be laid out more than %2 pixels from the top, further than the editor can show.</source>
        <translation>ಅದು ತೋರಿಸಲಾಗದಷ್ಟು ಉದ್ದವಾಗಿದೆ: %1ನೇ ಪ್ಯಾರಾ ಮೇಲಿನಿಂದ %2 ಪಿಕ್ಸೆಲ್‌ಗಳಿಗಿಂತ ಹೆಚ್ಚು ಕೆಳಗೆ ಬರುತ್ತದೆ; ಸಂಪಾದಕವು ಅಷ್ಟು ಕೆಳಗಿನವರೆಗೆ ತೋರಿಸಲಾರದು.</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>ಅದು ಫೋಲ್ಡರ್, ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>ಅದು ಸಾಧನ, ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It is a pipe, not a file.</source>
        <translation>ಅದು ಪೈಪ್, ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>ಅದು ಸಾಕೆಟ್, ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>ಅದು ಸಾಮಾನ್ಯ ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It is %1 large; a text file may have at most %2.</source>
        <translation>ಅದರ ಗಾತ್ರ %1; ಪಠ್ಯ ಕಡತದ ಗರಿಷ್ಠ ಗಾತ್ರ %2.</translation>
    </message>
    <message>
        <source>It holds binary data, not text.</source>
        <translation>ಅದರಲ್ಲಿ ಬೈನರಿ ದತ್ತಾಂಶ ಇದೆ, ಪಠ್ಯವಲ್ಲ.</translation>
    </message>
    <message>
        <source>It has %1 lines; a text file may have at most %2.</source>
        <translation>ಅದರಲ್ಲಿ %1 ಸಾಲುಗಳಿವೆ; ಪಠ್ಯ ಕಡತದಲ್ಲಿ ಗರಿಷ್ಠ %2 ಸಾಲುಗಳಿರಬಹುದು.</translation>
    </message>
</context>
<context>
    <name>DocumentLimits</name>
    <message>
        <source>The document is too large to open.</source>
        <translation>ದಸ್ತಾವೇಜು ತೆರೆಯಲು ತುಂಬಾ ದೊಡ್ಡದಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The document is nested too deeply.</source>
        <translation>ದಸ್ತಾವೇಜಿನ ರಚನೆ ತುಂಬಾ ಆಳವಾಗಿ ಒಂದರೊಳಗೊಂದು ಸೇರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>ಆರ್ಕೈವ್ ಅನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The document is encrypted or not a word-processing document.</source>
        <translation>ದಸ್ತಾವೇಜು ಗೂಢಲಿಪೀಕರಿಸಲ್ಪಟ್ಟಿದೆ ಅಥವಾ ಪದ ಸಂಸ್ಕರಣಾ ದಸ್ತಾವೇಜಲ್ಲ.</translation>
    </message>
    <message>
        <source>The archive holds no document.</source>
        <translation>ಆರ್ಕೈವ್‌ನಲ್ಲಿ ಯಾವುದೇ ದಸ್ತಾವೇಜು ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The document is nested too deeply.</source>
        <translation>ದಸ್ತಾವೇಜಿನ ರಚನೆ ತುಂಬಾ ಆಳವಾಗಿ ಒಂದರೊಳಗೊಂದು ಸೇರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>EditUserDict</name>
    <message>
        <source>Edit User Dictionary</source>
        <translation>ಬಳಕೆದಾರರ ನಿಘಂಟನ್ನು ಸಂಪಾದಿಸು</translation>
    </message>
    <message>
        <source>Choose File:</source>
        <translation>ಕಡತ ಆಯ್ಕೆಮಾಡಿ:</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit words</source>
        <translation>ಪದಗಳನ್ನು ಸಂಪಾದಿಸು</translation>
    </message>
    <message>
        <source>Input words from selected file</source>
        <translation>ಆಯ್ದ ಕಡತದಲ್ಲಿನ ಪದಗಳು</translation>
    </message>
    <message>
        <source>Add New Word</source>
        <translation>ಹೊಸ ಪದ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Delete Selected Words</source>
        <translation>ಆಯ್ದ ಪದಗಳನ್ನು ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ತೆರವುಗೊಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
    <message>
        <source>Final User Dictionary</source>
        <translation>ಅಂತಿಮ ಬಳಕೆದಾರರ ನಿಘಂಟು</translation>
    </message>
    <message>
        <source>Load User Dict</source>
        <translation>ಬಳಕೆದಾರರ ನಿಘಂಟನ್ನು ತೆರೆ</translation>
    </message>
    <message>
        <source>DeselectAll</source>
        <translation>ಎಲ್ಲ ಆಯ್ಕೆ ತೆಗೆ</translation>
    </message>
    <message>
        <source>Yavo Software</source>
        <translation>ಯಾವೋ ತಂತ್ರಾಂಶ</translation>
    </message>
    <message>
        <source>Duplicate, Its already present!</source>
        <translation>ಪುನರಾವರ್ತನೆ, ಇದು ಈಗಾಗಲೇ ಇದೆ!</translation>
    </message>
    <message>
        <source>User Dictionary updated successfully!</source>
        <translation>ಬಳಕೆದಾರರ ನಿಘಂಟನ್ನು ಯಶಸ್ವಿಯಾಗಿ ನವೀಕರಿಸಲಾಗಿದೆ!</translation>
    </message>
    <message>
        <source>Unable to save the user dictionary
Pleae inform the error to </source>
        <translation>ಬಳಕೆದಾರ ನಿಘಂಟನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ
ದಯವಿಟ್ಟು ಈ ದೋಷವನ್ನು ಇವರಿಗೆ ತಿಳಿಸಿ: </translation>
    </message>
</context>
<context>
    <name>FindAndReplaceDialog</name>
    <message>
        <source>Find &amp; Replace</source>
        <translation>ಹುಡುಕು &amp; ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>ಹುಡುಕು:</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace With: </source>
        <translation>ಇದರಿಂದ ಬದಲಿಸು: </translation>
    </message>
    <message>
        <source>Whole words only</source>
        <translation>ಪೂರ್ಣ ಪದಗಳು ಮಾತ್ರ</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Replace &amp;&amp; Find</source>
        <translation>ಬದಲಿಸು &amp;&amp; ಹುಡುಕು</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Yavo - Find</source>
        <translation>ಯಾವೋ - ಹುಡುಕು</translation>
    </message>
    <message>
        <source>Yavo - Find and Replace</source>
        <translation>ಯಾವೋ - ಹುಡುಕು ಮತ್ತು ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>ಮುಗಿಯಿತು!</translation>
    </message>
    <message>
        <source>Replaced %1 occurrence(s)</source>
        <translation>%1 ಕಡೆ ಬದಲಿಸಲಾಗಿದೆ</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument ಪಠ್ಯ</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument ಫ್ಲಾಟ್ XML</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>ರಿಚ್ ಟೆಕ್ಸ್ಟ್ ಫಾರ್ಮ್ಯಾಟ್ (RTF)</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>ಸರಳ ಪಠ್ಯ</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>ಎಲ್ಲಾ ಕಡತಗಳು</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>ಬೆಂಬಲಿತ ಎಲ್ಲಾ ಕಡತಗಳು</translation>
    </message>
</context>
<context>
    <name>FormatWriter</name>
    <message>
        <source>The file is not open for writing.</source>
        <translation>ಕಡತವನ್ನು ಬರೆಯಲು ತೆರೆದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>ಕಡತವನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>The document could not be written as XML.</source>
        <translation>ದಸ್ತಾವೇಜನ್ನು XML ಆಗಿ ಬರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>GetUnicodeText</name>
    <message>
        <source>Enter Text :</source>
        <translation>ಪಠ್ಯ ನಮೂದಿಸಿ :</translation>
    </message>
    <message>
        <source>Text :</source>
        <translation>ಪಠ್ಯ :</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Help Topics</source>
        <translation>ಸಹಾಯ ವಿಷಯಗಳು</translation>
    </message>
    <message>
        <source>Fint Text : </source>
        <translation>ಪಠ್ಯ ಹುಡುಕಿ : </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>ಹುಡುಕು</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The search history</source>
        <translation>ಹುಡುಕಾಟದ ಇತಿಹಾಸ</translation>
    </message>
</context>
<context>
    <name>InsertLinkDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>ಕೊಂಡಿ (URL):</translation>
    </message>
</context>
<context>
    <name>InsertTableDialog</name>
    <message>
        <source>Yavo - Insert Table</source>
        <translation>ಯಾವೋ - ಕೋಷ್ಟಕ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Number of rows :</source>
        <translation>ಸಾಲುಗಳ ಸಂಖ್ಯೆ :</translation>
    </message>
    <message>
        <source>Number of columns :</source>
        <translation>ಕಾಲಂಗಳ ಸಂಖ್ಯೆ :</translation>
    </message>
</context>
<context>
    <name>KeyboadMapping</name>
    <message>
        <source>Yavo - Keyboard Layout</source>
        <translation>ಯಾವೋ - ಕೀಲಿಮಣೆ ವಿನ್ಯಾಸ</translation>
    </message>
    <message>
        <source>Phonetic</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ</translation>
    </message>
    <message>
        <source>Nudi (KPRao)</source>
        <translation>ನುಡಿ (ಕೆಪಿರಾವ್)</translation>
    </message>
</context>
<context>
    <name>KeyboardExamples</name>
    <message>
        <source>Yavo - Examples</source>
        <translation>ಯಾವೋ - ಉದಾಹರಣೆಗಳು</translation>
    </message>
    <message>
        <source>Phonetic</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ</translation>
    </message>
    <message>
        <source>Nudi</source>
        <translation>ನುಡಿ</translation>
    </message>
    <message>
        <source>Phonetic-2</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ-2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Yavo Pad</source>
        <translation>ಯಾವೋ ಪ್ಯಾಡ್</translation>
    </message>
    <message>
        <source>MainToolbar</source>
        <translation>ಮುಖ್ಯ ಉಪಕರಣಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಕಡತ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>ಸಂಪಾದನೆ (&amp;E)</translation>
    </message>
    <message>
        <source>Find/Replace</source>
        <translation>ಹುಡುಕು/ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>Fo&amp;rmat</source>
        <translation>ವಿನ್ಯಾಸ (&amp;R)</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>ಜೋಡಣೆ</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>ಬುಲೆಟ್‌ಗಳು</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>ನೋಟ (&amp;V)</translation>
    </message>
    <message>
        <source>Sc&amp;ript</source>
        <translation>ಲಿಪಿ (&amp;R)</translation>
    </message>
    <message>
        <source>F11 To Toggle</source>
        <translation>ಬದಲಿಸಲು F11</translation>
    </message>
    <message>
        <source>Key&amp;board</source>
        <translation>ಕೀಲಿಮಣೆ (&amp;B)</translation>
    </message>
    <message>
        <source>CTRL+K To Toggle</source>
        <translation>ಬದಲಿಸಲು CTRL+K</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ಸಾಧನಗಳು (&amp;T)</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Sort File</source>
        <translation>ಕಡತವನ್ನು ವಿಂಗಡಿಸು</translation>
    </message>
    <message>
        <source>ANSI to Unicode Convert</source>
        <translation>ANSI ಇಂದ ಯೂನಿಕೋಡ್‌ಗೆ ಪರಿವರ್ತನೆ</translation>
    </message>
    <message>
        <source>En&amp;coding</source>
        <translation>ಸಂಕೇತೀಕರಣ (&amp;C)</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>ತೆರೆ...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ನಿರ್ಗಮಿಸು</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF ಆಗಿ ರಫ್ತು ಮಾಡು</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ಹೊಸದು</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>ಹೀಗೆ ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>ಎಡಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>ಮಧ್ಯಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ಬಲಕ್ಕೆ</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>ದಪ್ಪ</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>ಓರೆ</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>ಅಡಿಗೆರೆ</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>ಕತ್ತರಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>ನಕಲಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ಅಂಟಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>ಪಠ್ಯದ ಬಣ್ಣ</translation>
    </message>
    <message>
        <source> Keyboard Layout</source>
        <translation> ಕೀಲಿಮಣೆ ವಿನ್ಯಾಸ</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Yavo</source>
        <translation>ಯಾವೋ ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Qt ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>ಎರಡೂ ಅಂಚಿಗೆ</translation>
    </message>
    <message>
        <source>Unicode Script Converter...</source>
        <translation>ಯೂನಿಕೋಡ್ ಲಿಪಿ ಪರಿವರ್ತಕ...</translation>
    </message>
    <message>
        <source>Script Convert</source>
        <translation>ಲಿಪಿ ಪರಿವರ್ತನೆ</translation>
    </message>
    <message>
        <source>Unicode to Unicode Script Convert</source>
        <translation>ಯೂನಿಕೋಡ್‌ನಿಂದ ಯೂನಿಕೋಡ್‌ಗೆ ಲಿಪಿ ಪರಿವರ್ತನೆ</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>ಚಿತ್ರ</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>ಕೋಷ್ಟಕ</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace</source>
        <translation>ಹುಡುಕು &amp;&amp; ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ಇಂಗ್ಲಿಷ್</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>ಸಂಯೋಜನೆಗಳು</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ಕೊಂಡಿ</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>ಬುಲೆಟ್</translation>
    </message>
    <message>
        <source>Side Pane</source>
        <translation>ಪಕ್ಕದ ಫಲಕ</translation>
    </message>
    <message>
        <source>Keyboard Tutor</source>
        <translation>ಕೀಲಿಮಣೆ ಬೋಧಕ</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>ಕನ್ನಡ</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>ತೆಲುಗು</translation>
    </message>
    <message>
        <source>Phonetic</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ</translation>
    </message>
    <message>
        <source>Nudi (KP.Rao)                CTRL+K</source>
        <translation>ನುಡಿ (ಕೆ.ಪಿ.ರಾವ್)                CTRL+K</translation>
    </message>
    <message>
        <source>KP.Rao </source>
        <translation>ಕೆ.ಪಿ.ರಾವ್ </translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>ತುಂಬಿದ ವೃತ್ತ</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>ವೃತ್ತ</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>ಚೌಕ</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>ಅಂಕಿಗಳು</translation>
    </message>
    <message>
        <source>Alpha Lower</source>
        <translation>ಸಣ್ಣ ಅಕ್ಷರಗಳು</translation>
    </message>
    <message>
        <source>Alpha Upper</source>
        <translation>ದೊಡ್ಡ ಅಕ್ಷರಗಳು</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>ಮಲಯಾಳಂ</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>ಒರಿಯಾ</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ಹಿಂದಿ</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>ಗುಜರಾತಿ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>ಬಂಗಾಳಿ</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>ಗುರುಮುಖಿ</translation>
    </message>
    <message>
        <source>English       F11</source>
        <translation>ಇಂಗ್ಲಿಷ್       F11</translation>
    </message>
    <message>
        <source>English </source>
        <translation>ಇಂಗ್ಲಿಷ್ </translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ಉಪಕರಣಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>ರದ್ದುಮಾಡು</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ಮರುಮಾಡು</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ತೆರವುಗೊಳಿಸು</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>ಸ್ಥಿತಿಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>ಯೂನಿಕೋಡ್</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ತಮಿಳು</translation>
    </message>
    <message>
        <source>Text Background Color</source>
        <translation>ಪಠ್ಯದ ಹಿನ್ನೆಲೆ ಬಣ್ಣ</translation>
    </message>
    <message>
        <source>YavoBanda</source>
        <translation>ಯಾವೋಬಂಡ</translation>
    </message>
    <message>
        <source>Transliteration</source>
        <translation>ಲಿಪ್ಯಂತರಣ</translation>
    </message>
    <message>
        <source>Tabbar</source>
        <translation>ಟ್ಯಾಬ್‌ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>ಟ್ಯಾಬ್ ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Close current Tab</source>
        <translation>ಈಗಿನ ಟ್ಯಾಬ್ ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>ಮುದ್ರಿಸು...</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>ಮುದ್ರಣ ಮುನ್ನೋಟ...</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>ಇತ್ತೀಚಿನ ಕಡತಗಳು</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>ಮುದ್ರಣ ಸಿದ್ಧತೆ...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ಹಿರಿದಾಗಿಸು</translation>
    </message>
    <message>
        <source>ZoomIn</source>
        <translation>ಹಿರಿದಾಗಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+PgUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ಕಿರಿದಾಗಿಸು</translation>
    </message>
    <message>
        <source>ZoomOut</source>
        <translation>ಕಿರಿದಾಗಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+PgDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiktionary Meaning (Online)...</source>
        <translation>ವಿಕ್ಷನರಿ ಅರ್ಥ (ಆನ್‌ಲೈನ್)...</translation>
    </message>
    <message>
        <source>Search Window</source>
        <translation>ಹುಡುಕಾಟದ ಕಿಟಕಿ</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AddToWiktionary</source>
        <translation>ವಿಕ್ಷನರಿಗೆ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>ನವೀಕರಣಗಳಿಗಾಗಿ ಪರಿಶೀಲಿಸು...</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>ನವೀಕರಣಗಳಿಗಾಗಿ ಪರಿಶೀಲಿಸು</translation>
    </message>
    <message>
        <source>Spell Check Dialog...</source>
        <translation>ಕಾಗುಣಿತ ಪರಿಶೀಲನೆ...</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>ಪ್ರತಿಕ್ರಿಯೆ ಕಳುಹಿಸು...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>ಪರೀಕ್ಷೆ</translation>
    </message>
    <message>
        <source>InScript</source>
        <translation>ಇನ್‌ಸ್ಕ್ರಿಪ್ಟ್</translation>
    </message>
    <message>
        <source>Dictionary...</source>
        <translation>ನಿಘಂಟು...</translation>
    </message>
    <message>
        <source>Phonetic-2</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ-2</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>ಕೀಲಿಮಣೆ ವಿನ್ಯಾಸ</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>ಸಹಾಯ ವಿಷಯಗಳು</translation>
    </message>
    <message>
        <source>Spell Check As You Type</source>
        <translation>ಬರೆಯುತ್ತಿರುವಾಗಲೇ ಕಾಗುಣಿತ ಪರಿಶೀಲನೆ</translation>
    </message>
    <message>
        <source>Alphabetical Order</source>
        <translation>ಅಕಾರಾದಿ ಕ್ರಮ</translation>
    </message>
    <message>
        <source>Reverse Alphabetical Order</source>
        <translation>ವಿಲೋಮ ಅಕಾರಾದಿ ಕ್ರಮ</translation>
    </message>
    <message>
        <source>Roman Lower</source>
        <translation>ಸಣ್ಣ ರೋಮನ್ ಅಂಕಿಗಳು</translation>
    </message>
    <message>
        <source>Roman Upper</source>
        <translation>ದೊಡ್ಡ ರೋಮನ್ ಅಂಕಿಗಳು</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ಯಾವುದೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16BE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-32BE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nudi</source>
        <translation>ನುಡಿ</translation>
    </message>
    <message>
        <source>Keyboard Examples</source>
        <translation>ಕೀಲಿಮಣೆ ಉದಾಹರಣೆಗಳು</translation>
    </message>
    <message>
        <source>YavoKosha</source>
        <translation>ಯಾವೋಕೋಶ</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit User Dictionary</source>
        <translation>ಬಳಕೆದಾರರ ನಿಘಂಟನ್ನು ಸಂಪಾದಿಸು</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>ಮುಂದಿನದನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>ಹಿಂದಿನದನ್ನು ಹುಡುಕು</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localize - Kannada</source>
        <translation>ಸ್ಥಳೀಕರಣ - ಕನ್ನಡ</translation>
    </message>
    <message>
        <source>KPRao-Extended</source>
        <translation>ಕೆಪಿರಾವ್-ವಿಸ್ತೃತ</translation>
    </message>
    <message>
        <source>from Clipboard(copied) text</source>
        <translation>ಕ್ಲಿಪ್‌ಬೋರ್ಡ್‌ನ (ನಕಲಿಸಿದ) ಪಠ್ಯದಿಂದ</translation>
    </message>
    <message>
        <source>from Current document (tab)</source>
        <translation>ಈಗಿನ ದಾಖಲೆಯಿಂದ (ಟ್ಯಾಬ್)</translation>
    </message>
    <message>
        <source>from Directory...</source>
        <translation>ಕಡತಕೋಶದಿಂದ...</translation>
    </message>
    <message>
        <source>English Numerals</source>
        <translation>ಇಂಗ್ಲಿಷ್ ಅಂಕಿಗಳು</translation>
    </message>
    <message>
        <source>from File...</source>
        <translation>ಕಡತದಿಂದ...</translation>
    </message>
    <message>
        <source>Choose Font...</source>
        <translation>ಅಕ್ಷರಶೈಲಿ ಆಯ್ಕೆಮಾಡು...</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>ಅಕ್ಷರಶೈಲಿ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>ವಿನ್ಯಾಸ ತೆರವುಗೊಳಿಸು</translation>
    </message>
    <message>
        <source>Clear all formatting from the selection, leaving only plain text</source>
        <translation>ಆಯ್ಕೆಯಿಂದ ಎಲ್ಲ ವಿನ್ಯಾಸವನ್ನು ತೆಗೆದು ಸಾದಾ ಪಠ್ಯವನ್ನು ಮಾತ್ರ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Increase Text Size</source>
        <translation>ಪಠ್ಯದ ಗಾತ್ರ ಹೆಚ್ಚಿಸು</translation>
    </message>
    <message>
        <source>Decrease Text Size</source>
        <translation>ಪಠ್ಯದ ಗಾತ್ರ ಕಡಿಮೆಮಾಡು</translation>
    </message>
    <message>
        <source>Insert ZWJ</source>
        <translation>ZWJ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+Shift+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert ZWNJ</source>
        <translation>ZWNJ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing Tutor...</source>
        <translation>ಬೆರಳಚ್ಚು ಬೋಧಕ...</translation>
    </message>
    <message>
        <source>QuickBytesbar</source>
        <translation>ಕ್ವಿಕ್‌ಬೈಟ್ಸ್ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>ANSI to Unicode</source>
        <translation>ANSI ಇಂದ ಯೂನಿಕೋಡ್</translation>
    </message>
    <message>
        <source>Please copy your ANSI text first and then try this!!!</source>
        <translation>ಮೊದಲು ನಿಮ್ಮ ANSI ಪಠ್ಯವನ್ನು ನಕಲಿಸಿ, ನಂತರ ಇದನ್ನು ಪ್ರಯತ್ನಿಸಿ!!!</translation>
    </message>
    <message>
        <source>Empty Document!!!
Open an ANSI document first or type some ANSI text and then try again!</source>
        <translation>ಖಾಲಿ ದಾಖಲೆ!!!
ಮೊದಲು ಒಂದು ANSI ದಾಖಲೆಯನ್ನು ತೆರೆಯಿರಿ ಅಥವಾ ಸ್ವಲ್ಪ ANSI ಪಠ್ಯವನ್ನು ಬರೆಯಿರಿ, ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ!</translation>
    </message>
    <message>
        <source>Choose ANSI File</source>
        <translation>ANSI ಕಡತವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>All files (*.*);;Plain Text files (*.txt);;Open Office files (*.odt);;Nudi files (*.nudi);;Rtf files (*.rtf)</source>
        <translation>ಎಲ್ಲ ಕಡತಗಳು (*.*);;ಸಾದಾ ಪಠ್ಯ ಕಡತಗಳು (*.txt);;ಓಪನ್ ಆಫೀಸ್ ಕಡತಗಳು (*.odt);;ನುಡಿ ಕಡತಗಳು (*.nudi);;Rtf ಕಡತಗಳು (*.rtf)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ಈಗಾಗಲೇ ಇದೆ.
ಅದನ್ನು ಬದಲಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>File is NOT converted to unicode!!</source>
        <translation>ಕಡತವನ್ನು ಯೂನಿಕೋಡ್‌ಗೆ ಪರಿವರ್ತಿಸಲಾಗಿಲ್ಲ!!</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>ಕಡತ ತೆರೆ...</translation>
    </message>
    <message>
        <source>File converted to unicode
Do you want to open it???</source>
        <translation>ಕಡತವನ್ನು ಯೂನಿಕೋಡ್‌ಗೆ ಪರಿವರ್ತಿಸಲಾಗಿದೆ
ಅದನ್ನು ತೆರೆಯಬೇಕೆ???</translation>
    </message>
    <message>
        <source>The typing tutor could not be started:
%1</source>
        <translation>ಬೆರಳಚ್ಚು ಬೋಧಕವನ್ನು ಆರಂಭಿಸಲಾಗಲಿಲ್ಲ:
%1</translation>
    </message>
</context>
<context>
    <name>MiniBrowser</name>
    <message>
        <source>Ouch sorry, can&apos;t handle this kind of file in Yavo</source>
        <translation>ಕ್ಷಮಿಸಿ, ಈ ಬಗೆಯ ಕಡತವನ್ನು ಯಾವೋ ನಿರ್ವಹಿಸಲಾರದು</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>ಆರ್ಕೈವ್ ಅನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The archive holds no document.</source>
        <translation>ಆರ್ಕೈವ್‌ನಲ್ಲಿ ಯಾವುದೇ ದಸ್ತಾವೇಜು ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The document is encrypted.</source>
        <translation>ದಸ್ತಾವೇಜು ಗೂಢಲಿಪೀಕರಿಸಲ್ಪಟ್ಟಿದೆ.</translation>
    </message>
    <message>
        <source>The document is nested too deeply.</source>
        <translation>ದಸ್ತಾವೇಜಿನ ರಚನೆ ತುಂಬಾ ಆಳವಾಗಿ ಒಂದರೊಳಗೊಂದು ಸೇರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>OpenPdfDialog</name>
    <message>
        <source>Yavo - Export to Pdf</source>
        <translation>ಯಾವೋ - PDF ಆಗಿ ರಫ್ತು</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ತೆರೆ</translation>
    </message>
    <message>
        <source>Open Containing folder</source>
        <translation>ಇರುವ ಕಡತಕೋಶವನ್ನು ತೆರೆ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
</context>
<context>
    <name>PrinterSettingsDialog</name>
    <message>
        <source>Yavo - Export to Pdf</source>
        <translation>ಯಾವೋ - PDF ಆಗಿ ರಫ್ತು</translation>
    </message>
    <message>
        <source>Filename :</source>
        <translation>ಕಡತದ ಹೆಸರು :</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>ದಿಕ್ಕು</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>ಲಂಬ</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>ಅಡ್ಡ</translation>
    </message>
    <message>
        <source>Margins:</source>
        <translation>ಅಂಚುಗಳು:</translation>
    </message>
    <message>
        <source>Paper Size :</source>
        <translation>ಕಾಗದದ ಗಾತ್ರ :</translation>
    </message>
    <message>
        <source>A0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C5E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm10E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ledger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ಕಡತ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ಕಡತಗಳು (*.pdf)</translation>
    </message>
    <message>
        <source>You must enter the name for the new file</source>
        <translation>ಹೊಸ ಕಡತಕ್ಕೆ ಹೆಸರನ್ನು ನಮೂದಿಸಬೇಕು</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>ಇದು ಬೆಂಬಲಿತ RTF ಕಡತವಲ್ಲ.</translation>
    </message>
    <message>
        <source>The document is nested too deeply.</source>
        <translation>ದಸ್ತಾವೇಜಿನ ರಚನೆ ತುಂಬಾ ಆಳವಾಗಿ ಒಂದರೊಳಗೊಂದು ಸೇರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>ಕಡತ ಅನಿರೀಕ್ಷಿತವಾಗಿ ಕೊನೆಗೊಂಡಿತು.</translation>
    </message>
</context>
<context>
    <name>RtfWriter</name>
    <message>
        <source>No code page is known by the name &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; ಎಂಬ ಹೆಸರಿನ ಯಾವುದೇ ಕೋಡ್ ಪುಟ ತಿಳಿದಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>ScriptConvertDialog</name>
    <message>
        <source>Yavo - Script Converter</source>
        <translation>ಯಾವೋ - ಲಿಪಿ ಪರಿವರ್ತಕ</translation>
    </message>
    <message>
        <source>Source : </source>
        <translation>ಮೂಲ : </translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>ಕನ್ನಡ</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>ತೆಲುಗು</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>ಮಲಯಾಳಂ</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>ಒರಿಯಾ</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ಹಿಂದಿ</translation>
    </message>
    <message>
        <source>Gujarathi</source>
        <translation>ಗುಜರಾತಿ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>ಬಂಗಾಳಿ</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>ಗುರುಮುಖಿ</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ತಮಿಳು</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ಇಂಗ್ಲಿಷ್</translation>
    </message>
    <message>
        <source>Destination : </source>
        <translation>ಗುರಿ : </translation>
    </message>
    <message>
        <source>ANSI (English)</source>
        <translation>ANSI (ಇಂಗ್ಲಿಷ್)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ಸಹಾಯ</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Script-converter is a yavo-tool, which you can use to convert script(text) from one Indian language to another. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:9pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Below is a list of notes about the same. Please read.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;1) Script-Converter considers the current tab as the source of input text.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;2) The output Unicode text is displayed in a &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;new tab&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;. You can save it to new file for later use.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;3) Select the script to which you want to convert the text (&amp;quot;Destination&amp;quot; combobox).&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:9pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;If you have any confusions or questions, don&apos;t hesitate to ask. &lt;/span&gt;&lt;a href=&quot;https://www.quenvel.example/yavo&quot;&gt;&lt;span style=&quot; font-size:9pt; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.quenvel.example/yavo&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;ಲಿಪಿ ಪರಿವರ್ತಕವು ಒಂದು ಯಾವೋ ಉಪಕರಣ; ಇದರಿಂದ ಒಂದು ಭಾರತೀಯ ಭಾಷೆಯ ಲಿಪಿಯನ್ನು (ಪಠ್ಯವನ್ನು) ಇನ್ನೊಂದಕ್ಕೆ ಪರಿವರ್ತಿಸಬಹುದು. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:9pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;ಇದರ ಬಗ್ಗೆ ಕೆಲವು ಟಿಪ್ಪಣಿಗಳು ಕೆಳಗಿವೆ. ದಯವಿಟ್ಟು ಓದಿ.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;1) ಲಿಪಿ ಪರಿವರ್ತಕವು ಪ್ರಸ್ತುತ ಟ್ಯಾಬ್‌ನ ಪಠ್ಯವನ್ನು ಮೂಲವಾಗಿ ತೆಗೆದುಕೊಳ್ಳುತ್ತದೆ.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;2) ಫಲಿತಾಂಶದ ಯುನಿಕೋಡ್ ಪಠ್ಯವು ಒಂದು &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;ಹೊಸ ಟ್ಯಾಬ್‌ನಲ್ಲಿ&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; ಕಾಣುತ್ತದೆ. ಮುಂದಿನ ಬಳಕೆಗಾಗಿ ಅದನ್ನು ಹೊಸ ಕಡತದಲ್ಲಿ ಉಳಿಸಬಹುದು.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;3) ಪಠ್ಯವನ್ನು ಯಾವ ಲಿಪಿಗೆ ಪರಿವರ್ತಿಸಬೇಕೋ ಅದನ್ನು (&amp;quot;ಗಮ್ಯ&amp;quot; ಆಯ್ಕೆಪಟ್ಟಿಯಲ್ಲಿ) ಆರಿಸಿ.&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:9pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;ಯಾವುದೇ ಗೊಂದಲ ಅಥವಾ ಪ್ರಶ್ನೆಗಳಿದ್ದರೆ ಕೇಳಲು ಹಿಂಜರಿಯಬೇಡಿ. &lt;/span&gt;&lt;a href=&quot;https://www.quenvel.example/yavo&quot;&gt;&lt;span style=&quot; font-size:9pt; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.quenvel.example/yavo&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;
&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>SearchWidget</name>
    <message>
        <source>Yavo - Wiktionary (Online)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yavo - Wiktionary (Online)...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t be over  ;) smart !</source>
        <translation>ಅತಿ  ;) ಜಾಣತನ ಬೇಡ !</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Yavo - Settings</source>
        <translation>ಯಾವೋ - ಸಂಯೋಜನೆಗಳು</translation>
    </message>
    <message>
        <source>Choose your default settings</source>
        <translation>ನಿಮ್ಮ ಪೂರ್ವನಿಯೋಜಿತ ಸಂಯೋಜನೆಗಳನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ಭಾಷೆ</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>ಕನ್ನಡ</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>ತೆಲುಗು</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>ಮಲಯಾಳಂ</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>ಒರಿಯಾ</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ಹಿಂದಿ</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>ಗುಜರಾತಿ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>ಬಂಗಾಳಿ</translation>
    </message>
    <message>
        <source>Gurumukhi</source>
        <translation>ಗುರುಮುಖಿ</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ತಮಿಳು</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ಇಂಗ್ಲಿಷ್</translation>
    </message>
    <message>
        <source>keyborad layout </source>
        <translation>ಕೀಲಿಮಣೆ ವಿನ್ಯಾಸ </translation>
    </message>
    <message>
        <source>Phonetic </source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ </translation>
    </message>
    <message>
        <source>K.P.Rao -  GoK</source>
        <translation>ಕೆ.ಪಿ.ರಾವ್ - ಕರ್ನಾಟಕ ಸರ್ಕಾರ</translation>
    </message>
    <message>
        <source>Transliteration type:</source>
        <translation>ಲಿಪ್ಯಂತರಣದ ಬಗೆ:</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>ಸಕ್ರಿಯ</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>ನಿಷ್ಕ್ರಿಯ</translation>
    </message>
</context>
<context>
    <name>SingleRowStore</name>
    <message>
        <source>%1 (%2) could not be opened: %3.</source>
        <translation>%1 (%2) ಅನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ: %3.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ಅದು ಕಡತವಲ್ಲ</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>ಅದನ್ನು ಓದಲು ಮಾತ್ರ ಸಾಧ್ಯ</translation>
    </message>
    <message>
        <source>%1 (%2) cannot be used: %3. It could not be moved aside either, so nothing can be saved in it.</source>
        <translation>%1 (%2) ಅನ್ನು ಬಳಸಲಾಗುವುದಿಲ್ಲ: %3. ಅದನ್ನು ಪಕ್ಕಕ್ಕೆ ಸರಿಸಲೂ ಆಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದರಲ್ಲಿ ಏನನ್ನೂ ಉಳಿಸಲಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 (%2) cannot be used: %3. It was kept as %4, but no new one could be made: %5.</source>
        <translation>%1 (%2) ಅನ್ನು ಬಳಸಲಾಗುವುದಿಲ್ಲ: %3. ಅದನ್ನು %4 ಆಗಿ ಇರಿಸಲಾಗಿದೆ, ಆದರೆ ಹೊಸದನ್ನು ಮಾಡಲಾಗಲಿಲ್ಲ: %5.</translation>
    </message>
    <message>
        <source>%1 (%2) could not be used: %3. It was kept as %4, and a new one was made with what could be read from it.</source>
        <translation>%1 (%2) ಅನ್ನು ಬಳಸಲಾಗಲಿಲ್ಲ: %3. ಅದನ್ನು %4 ಆಗಿ ಇರಿಸಲಾಗಿದೆ, ಮತ್ತು ಅದರಿಂದ ಓದಲು ಸಾಧ್ಯವಾದದ್ದರಿಂದ ಹೊಸದನ್ನು ಮಾಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1 (%2) is partly damaged, and only what could be read of it was loaded. No copy of the damaged file could be made (%3), so it is left as it is.</source>
        <translation>%1 (%2) ಭಾಗಶಃ ಹಾಳಾಗಿದೆ; ಅದರಲ್ಲಿ ಓದಲು ಸಾಧ್ಯವಾದಷ್ಟನ್ನು ಮಾತ್ರ ತೆರೆಯಲಾಗಿದೆ. ಹಾಳಾದ ಕಡತದ ಪ್ರತಿಯನ್ನು ಮಾಡಲಾಗಲಿಲ್ಲ (%3), ಆದ್ದರಿಂದ ಅದನ್ನು ಹಾಗೆಯೇ ಬಿಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1 (%2) is partly damaged; what could be read of it was kept. A copy of the damaged file was kept as %3.</source>
        <translation>%1 (%2) ಭಾಗಶಃ ಹಾಳಾಗಿದೆ; ಅದರಲ್ಲಿ ಓದಲು ಸಾಧ್ಯವಾದದ್ದನ್ನು ಉಳಿಸಿಕೊಳ್ಳಲಾಗಿದೆ. ಹಾಳಾದ ಕಡತದ ಪ್ರತಿಯನ್ನು %3 ಆಗಿ ಇರಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1 (%2) was not saved: the text stored in it was damaged and had not been read.</source>
        <translation>%1 (%2) ಅನ್ನು ಉಳಿಸಲಿಲ್ಲ: ಅದರಲ್ಲಿ ಸಂಗ್ರಹಿಸಿದ್ದ ಪಠ್ಯ ಹಾಳಾಗಿತ್ತು ಮತ್ತು ಅದನ್ನು ಓದಲಾಗಿರಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 (%2) could not be saved: %3.</source>
        <translation>%1 (%2) ಅನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ: %3.</translation>
    </message>
</context>
<context>
    <name>SpellCheckDialog</name>
    <message>
        <source>Spell Check...</source>
        <translation>ಕಾಗುಣಿತ ಪರಿಶೀಲನೆ...</translation>
    </message>
    <message>
        <source>Misspelled :</source>
        <translation>ತಪ್ಪು ಕಾಗುಣಿತ :</translation>
    </message>
    <message>
        <source>Change to :</source>
        <translation>ಇದಕ್ಕೆ ಬದಲಿಸು :</translation>
    </message>
    <message>
        <source>Suggestions :</source>
        <translation>ಸಲಹೆಗಳು :</translation>
    </message>
    <message>
        <source>Ignore Once</source>
        <translation>ಒಮ್ಮೆ ಕಡೆಗಣಿಸು</translation>
    </message>
    <message>
        <source>Ignore All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಕಡೆಗಣಿಸು</translation>
    </message>
    <message>
        <source>Add To Dictionary</source>
        <translation>ನಿಘಂಟಿಗೆ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>Change All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಬದಲಿಸು</translation>
    </message>
    <message>
        <source>AutoText</source>
        <translation>ಸ್ವಯಂಪಠ್ಯ</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>ಲಭ್ಯವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Done		</source>
        <translation>ಮುಗಿಯಿತು		</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Close Current Tab</source>
        <translation>ಈಗಿನ ಟ್ಯಾಬ್ ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Oops unknown exception!</source>
        <translation>ಅಯ್ಯೋ, ಅಪರಿಚಿತ ದೋಷ!</translation>
    </message>
    <message>
        <source>Would you like to inform this error to author.

Your feedback is very valuable to improve the software!
</source>
        <translation>ಈ ದೋಷದ ಬಗ್ಗೆ ಲೇಖಕರಿಗೆ ತಿಳಿಸಲು ಬಯಸುವಿರಾ?

ತಂತ್ರಾಂಶವನ್ನು ಸುಧಾರಿಸಲು ನಿಮ್ಮ ಪ್ರತಿಕ್ರಿಯೆ ಬಹಳ ಅಮೂಲ್ಯ!
</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>ಕಡತ ತೆರೆ...</translation>
    </message>
    <message>
        <source>All files (*.*);;Plain Text files (*.txt);;HTML files (*.htm*);;Open Office files (*.odt);;Nudi files (*.nudi);;BRH files (*.BRH)</source>
        <translation>ಎಲ್ಲ ಕಡತಗಳು (*.*);;ಸಾದಾ ಪಠ್ಯ ಕಡತಗಳು (*.txt);;HTML ಕಡತಗಳು (*.htm*);;ಓಪನ್ ಆಫೀಸ್ ಕಡತಗಳು (*.odt);;ನುಡಿ ಕಡತಗಳು (*.nudi);;BRH ಕಡತಗಳು (*.BRH)</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the file %1</source>
        <translation>%1 ಕಡತವನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 could not be read completely: %2

What could be read is open as %3.</source>
        <translation>%1 ಅನ್ನು ಪೂರ್ತಿಯಾಗಿ ಓದಲಾಗಲಿಲ್ಲ: %2

ಓದಲು ಸಾಧ್ಯವಾದಷ್ಟು ಭಾಗ %3 ಆಗಿ ತೆರೆದಿದೆ.</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>ಕನ್ನಡ</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>ತೆಲುಗು</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>ಮಲಯಾಳಂ</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>ಒರಿಯಾ</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ಹಿಂದಿ</translation>
    </message>
    <message>
        <source>Gujarathi</source>
        <translation>ಗುಜರಾತಿ</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>ಬಂಗಾಳಿ</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>ಗುರುಮುಖಿ</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ತಮಿಳು</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ಇಂಗ್ಲಿಷ್</translation>
    </message>
    <message>
        <source>Phonetic</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ</translation>
    </message>
    <message>
        <source>KPRao</source>
        <translation>ಕೆಪಿರಾವ್</translation>
    </message>
    <message>
        <source>InScript</source>
        <translation>ಇನ್‌ಸ್ಕ್ರಿಪ್ಟ್</translation>
    </message>
    <message>
        <source>Transliteration</source>
        <translation>ಲಿಪ್ಯಂತರಣ</translation>
    </message>
    <message>
        <source>Phonetic-2</source>
        <translation>ಧ್ವನ್ಯಾತ್ಮಕ-2</translation>
    </message>
    <message>
        <source>KPRao - Extended</source>
        <translation>ಕೆಪಿರಾವ್ - ವಿಸ್ತೃತ</translation>
    </message>
    <message>
        <source> Font Size: </source>
        <translation> ಅಕ್ಷರದ ಗಾತ್ರ: </translation>
    </message>
    <message>
        <source> Font: </source>
        <translation> ಅಕ್ಷರಶೈಲಿ: </translation>
    </message>
    <message>
        <source> Auto complete after </source>
        <translation> ಸ್ವಯಂಪೂರ್ಣತೆ </translation>
    </message>
    <message>
        <source> keys</source>
        <translation> ಕೀಲಿಗಳ ನಂತರ</translation>
    </message>
    <message>
        <source>Auto complete prefix length</source>
        <translation>ಸ್ವಯಂಪೂರ್ಣತೆಗೆ ಬೇಕಾದ ಕೀಲಿಗಳು</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the PDF file %1.

Check that its folder exists and that the file is not open in another program.</source>
        <translation>PDF ಕಡತ %1 ಅನ್ನು ಬರೆಯಲಾಗಲಿಲ್ಲ.

ಅದರ ಕಡತಕೋಶ ಇದೆಯೇ ಮತ್ತು ಕಡತ ಬೇರೆ ತಂತ್ರಾಂಶದಲ್ಲಿ ತೆರೆದಿಲ್ಲವೇ ಎಂದು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ನಿರ್ಗಮಿಸು</translation>
    </message>
    <message>
        <source>Document %1 is modified, Do you want to save?</source>
        <translation>ದಾಖಲೆ %1 ಬದಲಾಗಿದೆ, ಉಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Reload </source>
        <translation>ಮರುತೆರೆ </translation>
    </message>
    <message>
        <source>%1

File has been modified by another program.
Do you want to reload it??</source>
        <translation>%1

ಬೇರೆ ತಂತ್ರಾಂಶವೊಂದು ಕಡತವನ್ನು ಬದಲಿಸಿದೆ.
ಅದನ್ನು ಮರುತೆರೆಯಬೇಕೆ??</translation>
    </message>
    <message>
        <source>Couldn&apos;t reload the file %1:
%2

The text in the editor is kept and not saved.</source>
        <translation>%1 ಕಡತವನ್ನು ಮರುತೆರೆಯಲಾಗಲಿಲ್ಲ:
%2

ಸಂಪಾದಕದಲ್ಲಿರುವ ಪಠ್ಯ ಹಾಗೆಯೇ ಇದೆ, ಉಳಿಸಲಾಗಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Sort File...</source>
        <translation>ಕಡತವನ್ನು ವಿಂಗಡಿಸು...</translation>
    </message>
    <message>
        <source>Sort Descending...</source>
        <translation>ಇಳಿಕೆ ಕ್ರಮದಲ್ಲಿ ವಿಂಗಡಿಸು...</translation>
    </message>
    <message>
        <source>Are you sure you want to continue sorting...?</source>
        <translation>ವಿಂಗಡಣೆಯನ್ನು ಖಂಡಿತ ಮುಂದುವರಿಸಬೇಕೆ...?</translation>
    </message>
    <message>
        <source>Yavo- Sort Ascending...</source>
        <translation>ಯಾವೋ- ಏರಿಕೆ ಕ್ರಮದ ವಿಂಗಡಣೆ...</translation>
    </message>
    <message>
        <source>Yavo- Sort Descending...</source>
        <translation>ಯಾವೋ- ಇಳಿಕೆ ಕ್ರಮದ ವಿಂಗಡಣೆ...</translation>
    </message>
    <message>
        <source>Done! Check the output now!</source>
        <translation>ಮುಗಿಯಿತು! ಈಗ ಫಲಿತಾಂಶವನ್ನು ನೋಡಿ!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Words&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;ಪದಗಳು&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Line&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;ಸಾಲು&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Col&lt;/b&gt;: %2</source>
        <translation>&lt;b&gt;ಕಾಲಂ&lt;/b&gt;: %2</translation>
    </message>
    <message>
        <source>Input text is empty!</source>
        <translation>ಒಳಪಠ್ಯ ಖಾಲಿಯಿದೆ!</translation>
    </message>
    <message>
        <source>Done. Check the output in &lt;b&gt;%1&lt;/b&gt; tab!</source>
        <translation>ಮುಗಿಯಿತು. ಫಲಿತಾಂಶವನ್ನು &lt;b&gt;%1&lt;/b&gt; ಟ್ಯಾಬ್‌ನಲ್ಲಿ ನೋಡಿ!</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;ಭಾಷೆ&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard&lt;/b&gt;: %1</source>
        <translation>&lt;b&gt;ಕೀಲಿಮಣೆ&lt;/b&gt;: %1</translation>
    </message>
    <message>
        <source>%1

File has been modified by another program.
Do you want to reload it?? The changes you have not saved will be lost.</source>
        <translation>%1

ಬೇರೆ ತಂತ್ರಾಂಶವೊಂದು ಕಡತವನ್ನು ಬದಲಿಸಿದೆ.
ಅದನ್ನು ಮರುತೆರೆಯಬೇಕೆ?? ನೀವು ಉಳಿಸದ ಬದಲಾವಣೆಗಳು ಕಳೆದುಹೋಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>File deleted or moved</source>
        <translation>ಕಡತವನ್ನು ಅಳಿಸಲಾಗಿದೆ ಅಥವಾ ಸರಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>%1

File has been deleted or moved by another program.

Do you want to keep its text? Yes keeps the tab open, and the next save writes the file again; No closes the tab.</source>
        <translation>%1

ಬೇರೆ ತಂತ್ರಾಂಶವೊಂದು ಕಡತವನ್ನು ಅಳಿಸಿದೆ ಅಥವಾ ಸರಿಸಿದೆ.

ಅದರ ಪಠ್ಯವನ್ನು ಉಳಿಸಿಕೊಳ್ಳಬೇಕೆ? ಹೌದು ಎಂದರೆ ಟ್ಯಾಬ್ ತೆರೆದಿರುತ್ತದೆ ಮತ್ತು ಮುಂದಿನ ಉಳಿಕೆ ಕಡತವನ್ನು ಮತ್ತೆ ಬರೆಯುತ್ತದೆ; ಇಲ್ಲ ಎಂದರೆ ಟ್ಯಾಬ್ ಮುಚ್ಚುತ್ತದೆ.</translation>
    </message>
</context>
<context>
    <name>UnicodeKaEditor</name>
    <message>
        <source>Save...</source>
        <translation>ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>Save file...</source>
        <translation>ಕಡತ ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>Unsaved changes. Do you want to save?</source>
        <translation>ಉಳಿಸದ ಬದಲಾವಣೆಗಳಿವೆ. ಉಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>ಕಡತ ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>All files (*);;Plain Text files (*.txt);;Open office files (*.odt);;Rtf files (*.rtf);;HTML files (*.html);;</source>
        <translation>ಎಲ್ಲಾ ಕಡತಗಳು (*);;ಸರಳ ಪಠ್ಯ ಕಡತಗಳು (*.txt);;ಓಪನ್ ಆಫೀಸ್ ಕಡತಗಳು (*.odt);;Rtf ಕಡತಗಳು (*.rtf);;HTML ಕಡತಗಳು (*.html);;</translation>
    </message>
    <message>
        <source>The document could not be written as %1.</source>
        <translation>ದಾಖಲೆಯನ್ನು %1 ಆಗಿ ಬರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save the file!!

%1</source>
        <translation>ಕಡತವನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ!!

%1</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>ಕಡತವನ್ನು ಹೀಗೆ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>All Files (*);;Text files (*.txt);;ODF files (*.odt);;Rtf files (*.rtf);;HTML files (*.html);;</source>
        <translation>ಎಲ್ಲಾ ಕಡತಗಳು (*);;ಪಠ್ಯ ಕಡತಗಳು (*.txt);;ODF ಕಡತಗಳು (*.odt);;Rtf ಕಡತಗಳು (*.rtf);;HTML ಕಡತಗಳು (*.html);;</translation>
    </message>
    <message>
        <source>Enter number of rows:</source>
        <translation>ಸಾಲುಗಳ ಸಂಖ್ಯೆ ನಮೂದಿಸಿ:</translation>
    </message>
    <message>
        <source>Enter number of columns:</source>
        <translation>ಕಾಲಂಗಳ ಸಂಖ್ಯೆ ನಮೂದಿಸಿ:</translation>
    </message>
    <message>
        <source>Number of rows to split into:</source>
        <translation>ಎಷ್ಟು ಸಾಲುಗಳಾಗಿ ವಿಭಜಿಸಬೇಕು:</translation>
    </message>
    <message>
        <source>Number of columns to split into:</source>
        <translation>ಎಷ್ಟು ಕಾಲಂಗಳಾಗಿ ವಿಭಜಿಸಬೇಕು:</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg);;All (*.*)</source>
        <translation>ಚಿತ್ರಗಳು (*.png *.xpm *.jpg);;ಎಲ್ಲಾ (*.*)</translation>
    </message>
    <message>
        <source>Invalid image</source>
        <translation>ಅಮಾನ್ಯ ಚಿತ್ರ</translation>
    </message>
    <message>
        <source>Word added to dictionary</source>
        <translation>ಪದವನ್ನು ನಿಘಂಟಿಗೆ ಸೇರಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Failed to add the word</source>
        <translation>ಪದವನ್ನು ಸೇರಿಸಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Unicode conversion completed!</source>
        <translation>ಯೂನಿಕೋಡ್ ಪರಿವರ್ತನೆ ಮುಗಿಯಿತು!</translation>
    </message>
    <message>
        <source>Table Properties</source>
        <translation>ಕೋಷ್ಟಕದ ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>Append row(s)</source>
        <translation>ಕೊನೆಗೆ ಸಾಲು(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Append column(s)</source>
        <translation>ಕೊನೆಗೆ ಕಾಲಂ(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Remove row(s)</source>
        <translation>ಸಾಲು(ಗಳನ್ನು) ತೆಗೆ</translation>
    </message>
    <message>
        <source>Remove column(s)</source>
        <translation>ಕಾಲಂ(ಗಳನ್ನು) ತೆಗೆ</translation>
    </message>
    <message>
        <source>Insert row(s)</source>
        <translation>ಸಾಲು(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Insert column(s)</source>
        <translation>ಕಾಲಂ(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Insert row(s) before</source>
        <translation>ಮೊದಲು ಸಾಲು(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Insert column(s) before</source>
        <translation>ಮೊದಲು ಕಾಲಂ(ಗಳನ್ನು) ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Merge cell(s)</source>
        <translation>ಕೋಶಗಳನ್ನು ವಿಲೀನಗೊಳಿಸು</translation>
    </message>
    <message>
        <source>Split cell</source>
        <translation>ಕೋಶವನ್ನು ವಿಭಜಿಸು</translation>
    </message>
    <message>
        <source>Copy special</source>
        <translation>ವಿಶೇಷ ನಕಲು</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>ಚಿತ್ರದ ಗುಣಗಳು</translation>
    </message>
    <message>
        <source>Add To Dictionary</source>
        <translation>ನಿಘಂಟಿಗೆ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Suggestions...</source>
        <translation>ಸಲಹೆಗಳು...</translation>
    </message>
    <message>
        <source>Wiktionary Meaning (Online)...</source>
        <translation>ವಿಕ್ಷನರಿ ಅರ್ಥ (ಆನ್‌ಲೈನ್)...</translation>
    </message>
    <message>
        <source>Insert ZWJ</source>
        <translation>ZWJ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Insert ZWNJ</source>
        <translation>ZWNJ ಸೇರಿಸು</translation>
    </message>
    <message>
        <source>Convert ANSI to Unicode</source>
        <translation>ANSI ಅನ್ನು ಯೂನಿಕೋಡ್‌ಗೆ ಪರಿವರ್ತಿಸು</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>%1 ಕಡತವನ್ನು ಬರೆಯಲಾಗುವುದಿಲ್ಲ: %2</translation>
    </message>
</context>
<context>
    <name>UnicodeTextReader</name>
    <message>
        <source>The file could not be read to its end: %1</source>
        <translation>ಕಡತವನ್ನು ಕೊನೆಯವರೆಗೆ ಓದಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
</context>
<context>
    <name>UserDict</name>
    <message>
        <source>The user dictionary</source>
        <translation>ಬಳಕೆದಾರರ ನಿಘಂಟು</translation>
    </message>
</context>
<context>
    <name>WiktionaryOnline</name>
    <message>
        <source>Wiktionary Meaning (Online)...</source>
        <translation>ವಿಕ್ಷನರಿ ಅರ್ಥ (ಆನ್‌ಲೈನ್)...</translation>
    </message>
    <message>
        <source>Search :</source>
        <translation>ಹುಡುಕು :</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmlPart</name>
    <message>
        <source>The document is not a supported word-processing document.</source>
        <translation>ದಸ್ತಾವೇಜು ಬೆಂಬಲಿತ ಪದ ಸಂಸ್ಕರಣಾ ದಸ್ತಾವೇಜಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>YavoKoshaDialog</name>
    <message>
        <source>YavoKosha</source>
        <translation>ಯಾವೋಕೋಶ</translation>
    </message>
    <message>
        <source>Enter the word:</source>
        <translation>ಪದವನ್ನು ನಮೂದಿಸಿ:</translation>
    </message>
    <message>
        <source>search</source>
        <translation>ಹುಡುಕು</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Dictionary is not found for &lt;b&gt;%1&lt;/b&gt;! &lt;br/&gt;Check here =&gt; %2</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; ಭಾಷೆಯ ನಿಘಂಟು ಸಿಗಲಿಲ್ಲ! &lt;br/&gt;ಇಲ್ಲಿ ನೋಡಿ =&gt; %2</translation>
    </message>
    <message>
        <source>Use &quot; F11&quot; key to toggle between %1 &amp; English</source>
        <translation>%1 ಮತ್ತು ಇಂಗ್ಲಿಷ್ ನಡುವೆ ಬದಲಿಸಲು &quot; F11&quot; ಕೀಲಿಯನ್ನು ಬಳಸಿ</translation>
    </message>
    <message>
        <source>You have not entered any word!</source>
        <translation>ನೀವು ಯಾವ ಪದವನ್ನೂ ನಮೂದಿಸಿಲ್ಲ!</translation>
    </message>
    <message>
        <source>Word not found. Sorry!</source>
        <translation>ಕ್ಷಮಿಸಿ, ಪದ ಸಿಗಲಿಲ್ಲ!</translation>
    </message>
</context>
<context>
    <name>YavoSaveFiles</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZipPackage</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>ಆರ್ಕೈವ್ ಅನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The archive holds no document.</source>
        <translation>ಆರ್ಕೈವ್‌ನಲ್ಲಿ ಯಾವುದೇ ದಸ್ತಾವೇಜು ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The document is encrypted.</source>
        <translation>ದಸ್ತಾವೇಜು ಗೂಢಲಿಪೀಕರಿಸಲ್ಪಟ್ಟಿದೆ.</translation>
    </message>
    <message>
        <source>The archive is damaged.</source>
        <translation>ಆರ್ಕೈವ್ ಹಾಳಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Unable to build the archive.</source>
        <translation>ಆರ್ಕೈವ್ ಅನ್ನು ರಚಿಸಲಾಗಲಿಲ್ಲ.</translation>
    </message>
</context>
<context>
    <name>html_reader</name>
    <message>
        <source>The document is nested too deeply.</source>
        <translation>ದಸ್ತಾವೇಜಿನ ರಚನೆ ತುಂಬಾ ಆಳವಾಗಿ ಒಂದರೊಳಗೊಂದು ಸೇರಿದೆ.</translation>
    </message>
</context>
<context>
    <name>yvANSIToUnicodeBatchConverterDialog</name>
    <message>
        <source>ANSI to Unicode Converter Dialog</source>
        <translation>ANSI ಇಂದ ಯೂನಿಕೋಡ್ ಪರಿವರ್ತಕ</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>ಮೂಲ ಕಡತಕೋಶ</translation>
    </message>
    <message>
        <source>please select source folder</source>
        <translation>ದಯವಿಟ್ಟು ಮೂಲ ಕಡತಕೋಶವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>ಗುರಿ ಕಡತಕೋಶ</translation>
    </message>
    <message>
        <source>please select destination folder</source>
        <translation>ದಯವಿಟ್ಟು ಗುರಿ ಕಡತಕೋಶವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ನಿಲ್ಲಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>&lt;b&gt;Aborting...!!!&lt;/b&gt;</source>
        <translation>&lt;b&gt;ನಿಲ್ಲಿಸಲಾಗುತ್ತಿದೆ...!!!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Destination folder path is empty, please select destination folder!!!</source>
        <translation>ಗುರಿ ಕಡತಕೋಶದ ದಾರಿ ಖಾಲಿಯಿದೆ, ದಯವಿಟ್ಟು ಗುರಿ ಕಡತಕೋಶವನ್ನು ಆಯ್ಕೆಮಾಡಿ!!!</translation>
    </message>
    <message>
        <source>Destination folder not present!!!</source>
        <translation>ಗುರಿ ಕಡತಕೋಶ ಇಲ್ಲ!!!</translation>
    </message>
    <message>
        <source>Do you want to create the folder and continue?</source>
        <translation>ಕಡತಕೋಶವನ್ನು ರಚಿಸಿ ಮುಂದುವರಿಯಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Destination folder doesnt exists!!!</source>
        <translation>ಗುರಿ ಕಡತಕೋಶ ಅಸ್ತಿತ್ವದಲ್ಲಿಲ್ಲ!!!</translation>
    </message>
    <message>
        <source>Destination folder could not be created!!!</source>
        <translation>ಗುರಿ ಕಡತಕೋಶವನ್ನು ರಚಿಸಲಾಗಲಿಲ್ಲ!!!</translation>
    </message>
    <message>
        <source>Destination folder is not empty!!!</source>
        <translation>ಗುರಿ ಕಡತಕೋಶ ಖಾಲಿಯಿಲ್ಲ!!!</translation>
    </message>
    <message>
        <source>files might get overwritten!</source>
        <translation>ಕಡತಗಳು ಬದಲಾಗಬಹುದು!</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>ಮುಂದುವರಿಯಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Source folder doesnt exists!!!</source>
        <translation>ಮೂಲ ಕಡತಕೋಶ ಅಸ್ತಿತ್ವದಲ್ಲಿಲ್ಲ!!!</translation>
    </message>
    <message>
        <source>No files to convert</source>
        <translation>ಪರಿವರ್ತಿಸಲು ಕಡತಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Started...!!!&lt;/b&gt;</source>
        <translation>&lt;b&gt;ಆರಂಭವಾಗಿದೆ...!!!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Completed: %1</source>
        <translation>ಮುಗಿದಿದೆ: %1</translation>
    </message>
    <message>
        <source>Aborted!!!</source>
        <translation>ನಿಲ್ಲಿಸಲಾಯಿತು!!!</translation>
    </message>
    <message numerus="yes">
        <source>&lt;b&gt;Completed!!!&lt;/b&gt; %n file(s) could not be converted</source>
        <translation>
            <numerusform>&lt;b&gt;ಮುಗಿದಿದೆ!!!&lt;/b&gt; %n ಕಡತ(ಗಳನ್ನು) ಪರಿವರ್ತಿಸಲಾಗಲಿಲ್ಲ</numerusform>
            <numerusform>&lt;b&gt;ಮುಗಿದಿದೆ!!!&lt;/b&gt; %n ಕಡತ(ಗಳನ್ನು) ಪರಿವರ್ತಿಸಲಾಗಲಿಲ್ಲ</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;Completed!!!&lt;/b&gt;</source>
        <translation>&lt;b&gt;ಮುಗಿದಿದೆ!!!&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>yvQuickBytesToolBar</name>
    <message>
        <source>QuickBytesbar</source>
        <translation>ಕ್ವಿಕ್‌ಬೈಟ್ಸ್ ಪಟ್ಟಿ</translation>
    </message>
    <message>
        <source>Edit quick bytes</source>
        <translation>ಕ್ವಿಕ್‌ಬೈಟ್ಸ್ ಸಂಪಾದಿಸು</translation>
    </message>
    <message>
        <source>QuickBytes: Allows you to keep frequently accessed words/letters as shortcuts;
You could edit them on your own anytime;
Key = Value pair, with equal-to(=) as separator!
key is the text displayed in this widget and value is what get inserted at current
cursor position in the current tab! easy??</source>
        <translation>ಕ್ವಿಕ್‌ಬೈಟ್ಸ್: ಪದೇ ಪದೇ ಬಳಸುವ ಪದಗಳು/ಅಕ್ಷರಗಳನ್ನು ಶಾರ್ಟ್‌ಕಟ್‌ಗಳಾಗಿ ಇಟ್ಟುಕೊಳ್ಳಲು ಅನುವು ಮಾಡುತ್ತದೆ;
ಇವನ್ನು ನೀವು ಯಾವಾಗ ಬೇಕಾದರೂ ಬದಲಿಸಬಹುದು;
ಕೀಲಿ = ಮೌಲ್ಯ ಜೋಡಿ, ಸಮ ಚಿಹ್ನೆ(=) ವಿಭಾಜಕವಾಗಿ!
ಕೀಲಿ ಈ ವಿಜೆಟ್‌ನಲ್ಲಿ ಕಾಣುವ ಪಠ್ಯ, ಮೌಲ್ಯ ಪ್ರಸ್ತುತ ಟ್ಯಾಬ್‌ನ ಪ್ರಸ್ತುತ
ಕರ್ಸರ್ ಸ್ಥಾನದಲ್ಲಿ ಸೇರಿಸಲಾಗುವ ಪಠ್ಯ! ಸುಲಭ ಅಲ್ಲವೆ??</translation>
    </message>
</context>
<context>
    <name>yvZoomControllerWidget</name>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>ಹಿಗ್ಗಿಸುವಿಕೆಯನ್ನು ಮರುಹೊಂದಿಸು</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ಮರುಹೊಂದಿಸು</translation>
    </message>
    <message>
        <source> - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
