<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CopyboardWindow</name>
    <message>
        <source>Text zum Übernehmen</source>
        <translation>Text to import</translation>
    </message>
    <message>
        <source>Copyboard</source>
        <translation>Copyboard</translation>
    </message>
    <message>
        <source>Hier können Texte aus anderen
Textverarbeitungsprogrammen
übernommen werden</source>
        <translation>Here you can import text
from other applications.</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Markierten Text in die Zwischenablage kopieren</source>
        <translation>Copy selection to clipboard</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>In neuen Blocktext einfügen</source>
        <translation>Insert in new block text</translation>
    </message>
    <message>
        <source>In neuen Scrolltext einfügen</source>
        <translation>Insert in new scroll text</translation>
    </message>
    <message>
        <source>In neuen Fließtext einfügen</source>
        <translation>Insert in new floating text</translation>
    </message>
</context>
<context>
    <name>DisplayOutput</name>
    <message>
        <source>Ausgabe nicht möglich, da COM-Port%1 nicht verfügbar</source>
        <translation>No output because COM-Port%1 not available</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Möchten Die die Änderungen in %1 speichern?</source>
        <comment>before a new or other file</comment>
        <translation>Save changes in %1 ?</translation>
    </message>
    <message>
        <source>Möchten Die die Änderungen in %1 speichern?</source>
        <comment>on closing</comment>
        <translation>Save changes to %1 ?</translation>
    </message>
    <message>
        <source>Datei %1 überscheiben?</source>
        <translation>Overwrite File %1 ?</translation>
    </message>
    <message>
        <source>Die Datei %1 enthielt Nullzeichen; sie wurden als Leerzeichen gelesen.</source>
        <translation>The file %1 held NUL characters; they were read as spaces.</translation>
    </message>
    <message>
        <source>Für %1 gibt es ungesicherte Änderungen vom %2. Wiederherstellen?</source>
        <translation>There are unsaved changes to %1 from %2. Restore them?</translation>
    </message>
    <message>
        <source>Die Datei enthält zu lange Zellen. Gekürzt öffnen?</source>
        <translation>The file holds cells that are too long. Open them shortened?</translation>
    </message>
    <message>
        <source>Text Nr. %1</source>
        <translation>Text No. %1</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Zu lange Zellen wurden auf %1 Zeichen gekürzt in: %2. Die Datei bleibt unverändert, bis Sie speichern.</source>
        <translation>Cells that were too long were cut to %1 characters in: %2. The file stays unchanged until you save.</translation>
    </message>
</context>
<context>
    <name>EntryCommit</name>
    <message>
        <source>Dieser Text läuft gerade!</source>
        <translation>This text is just running!</translation>
    </message>
    <message>
        <source>Achtung: Duch die Schriftändeung hat sich die Textformatierung geändert.</source>
        <translation>Attention: The formatting has changed because the font changed.</translation>
    </message>
    <message>
        <source>Text Nr.: %1 existiert bereits.</source>
        <translation>Text No.: %1 already exists.</translation>
    </message>
    <message>
        <source>Keine Textnummer eingetragen.</source>
        <translation>No textnumber!</translation>
    </message>
    <message>
        <source>Achtung: Anzeigedauer ist für diesen Text zu klein gewählt. Die Anzeigedauer wird automatisch auf Minimalzeit erhöht. Wenn die Anzeigedauer zu groß ist müssen Sie die Takt-Zeiten im Text reduzieren.</source>
        <translation>Attention: The display period of this text ist choosed too small. The display period of this text is now set to the minimal time. If then period is to large you have to choose smaller changing times in the text.</translation>
    </message>
    <message>
        <source>Achtung: Einige Zeichen können von der Anzeige nicht Ausgewertet werden. Folgende Zeichen wurden durch # ersetzt:</source>
        <translation>Attention: Some characters could not be displayed. The following characters are set to # :</translation>
    </message>
    <message>
        <source>Der Text ist zu lang: Die Spalte %1 würde %2 Zeichen enthalten; eine Zelle darf höchstens %3 Zeichen enthalten. Bitte kürzen Sie den Text oder teilen Sie ihn auf mehrere Texte auf.</source>
        <translation>The text is too long: the column %1 would hold %2 characters; a cell may hold at most %3 characters. Please shorten the text or split it into several texts.</translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>Änderungen in Tabelle übernehmen?</source>
        <translation>Save changes to the grid?</translation>
    </message>
    <message>
        <source>Verfolgen: Text %1 nicht in den Editor geladen; der Editor hat ungespeicherte Änderungen.</source>
        <translation>Follow: text %1 not loaded into the editor; the editor holds unsaved changes.</translation>
    </message>
</context>
<context>
    <name>EntryEditorPanel</name>
    <message>
        <source>Feste Zeilen</source>
        <translation>Fixed lines</translation>
    </message>
    <message>
        <source>Textart</source>
        <translation>Text kind</translation>
    </message>
    <message>
        <source>Scrolltext Eingabefeld</source>
        <translation>Scroll text entry field</translation>
    </message>
    <message>
        <source>Text Nr.</source>
        <translation>Text No.</translation>
    </message>
    <message>
        <source>Nr. ändern</source>
        <translation>Change No.</translation>
    </message>
    <message>
        <source>Bisherige Textnummer des ausgewählten Textes auf die oben eingestellte Nummer ändern</source>
        <translation>Take the number set above to the selected text</translation>
    </message>
    <message>
        <source>Text aktiv</source>
        <translation>Text aktiv</translation>
    </message>
    <message>
        <source>Hinweisfeld:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Hier können Sie einen Hinweis zum aktuelle Text eintragen</source>
        <translation>You can enter a note for the actual text here</translation>
    </message>
    <message>
        <source>Blocktext</source>
        <translation>Block text</translation>
    </message>
    <message>
        <source>Scrolltext</source>
        <translation>Scroll text</translation>
    </message>
    <message>
        <source>Fließtext</source>
        <translation>Flow text</translation>
    </message>
    <message>
        <source>Seitenwechselzeit</source>
        <translation>Change page</translation>
    </message>
    <message>
        <source>Zeilenwechselzeit</source>
        <translation>Change of line</translation>
    </message>
    <message>
        <source>Fliesstext Eingabefeld</source>
        <translation>Flow pulse entry field</translation>
    </message>
    <message>
        <source>Fliesstakt</source>
        <translation>Flow pulse</translation>
    </message>
    <message>
        <source>Fliesstext in Zeile</source>
        <translation>Flow text in line</translation>
    </message>
    <message>
        <source>Mindestanzeigedauer:</source>
        <translation>Minimal text time:</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sek.</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Vor-<byte value="xd" />
gabe</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Selbsgewählte Vorgabezeit verwenden / sonst Mindestzeit verwenden</source>
        <translation>Use the set-time otherwise use minimal text-time</translation>
    </message>
    <message>
        <source>Anzeigedauer wird verwendet wenn "Automatisch nach Anzeigedauer" ausgewählt wird</source>
        <translation>The set-time is used if "set" is checked</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Änderungen am aktiven Text in Tabelle übernehmen</source>
        <translation>Take the changes of the actual text in the grid</translation>
    </message>
    <message>
        <source>Blocktext Eingabefeld</source>
        <translation>Block text entry field</translation>
    </message>
    <message>
        <source>Zeit für das Umblättern auf die nächste Seite</source>
        <translation>Time to change to the next page</translation>
    </message>
    <message>
        <source>Zeit in welcher sich der Text um eine Zeile nach oben schiebt</source>
        <translation>Time to scroll the text one line up</translation>
    </message>
    <message>
        <source>Zeit für einen Fliesstextschritt</source>
        <translation>Speed of flowing text</translation>
    </message>
    <message>
        <source>Nummer der Zeile in welcher der Fliesstext laufen soll</source>
        <translation>Number of the line in wich the flow text will run</translation>
    </message>
    <message>
        <source>Fenster zum Übernehmen von Texten aus anderen Programmen</source>
        <translation>Window for taking over texts from other programs</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Suchen &amp;nach:</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>Nur &amp;ganzes Wort suchen</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <source>Groß-/&amp;Kleinschreibung</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Nach &amp;oben</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>Nach &amp;unten</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainWindowForm</name>
    <message>
        <source>Ablauf</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ablauf &amp;öffnen</source>
        <translation>&amp;Open sequence</translation>
    </message>
    <message>
        <source>Ablauf &amp;speichern</source>
        <translation>&amp;Save sequence</translation>
    </message>
    <message>
        <source>Ablauf speichern &amp;unter</source>
        <translation>Save sequence &amp;as</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Abspielen</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;COM-Port</source>
        <translation>&amp;COM-Port</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;German</translation>
    </message>
    <message>
        <source>&amp;Englisch</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Hilfe (F1)</source>
        <translation>&amp;Help (F1)</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Größe Eingabebereich ändern</source>
        <translation>Resize entry fields</translation>
    </message>
</context>
<context>
    <name>MarkListWindow</name>
    <message>
        <source>Markierte Texte</source>
        <translation>Marked texts</translation>
    </message>
    <message>
        <source>Markierung</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Texte löschen</source>
        <translation>Clear texts</translation>
    </message>
    <message>
        <source>Texte tauschen</source>
        <translation>Exchange texts</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CommandAvailability</name>
    <message>
        <source>Pause geht nur während des Abspielens.</source>
        <translation>Pause works only while playing.</translation>
    </message>
    <message>
        <source>Weiter geht nur bei Pause.</source>
        <translation>Go on works only while paused.</translation>
    </message>
    <message>
        <source>Das geht nur im manuellen Ablauf.</source>
        <translation>This works only in manual mode.</translation>
    </message>
</context>
<context>
    <name>PlaybackCommands</name>
    <message>
        <source>Keine Textnummer angegeben.</source>
        <translation>No text number given.</translation>
    </message>
    <message>
        <source>Text %1 gibt es nicht.</source>
        <translation>There is no text %1.</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit geht von 50 bis 150 %.</source>
        <translation>The speed goes from 50 to 150 %.</translation>
    </message>
</context>
<context>
    <name>PlaybackStrip</name>
    <message>
        <source>Automatisch abspielen, beginnt am ausgewählten Text (Strg+Enter)</source>
        <translation>Play automaticly, starts at the selected text (Ctl+Return)</translation>
    </message>
    <message>
        <source>Anzeige anhalten und löschen (Escape-Taste)</source>
        <translation>Stop and clear the display (Esc-key)</translation>
    </message>
    <message>
        <source>Manuell anspielen (Alt+M</source>
        <translation>Play manuell (Alt+M)</translation>
    </message>
    <message>
        <source>Pause (Ablauf an der aktuellen Stelle anhalten)(Strg+P)</source>
        <translation>Pause (hold sequence at the actual position)(Strg+P)</translation>
    </message>
    <message>
        <source>Der erste Text wird abgespielt (F5)</source>
        <translation>The first text is played (F5)</translation>
    </message>
    <message>
        <source>Der letzte Text wird abgespielt (F6)</source>
        <translation>The last text is played (F6)</translation>
    </message>
    <message>
        <source>Der vorhergehende Text wird abgespielt (F7)</source>
        <translation>The previous text is played (F7)</translation>
    </message>
    <message>
        <source>Der nächste Text wird abgespielt (F8)</source>
        <translation>The next text is played (F8)</translation>
    </message>
    <message>
        <source>Gehe zu Text</source>
        <translation>Go to text</translation>
    </message>
    <message>
        <source>Der mit blauem Balken ausgewählte Text wird abgespielt (F9)</source>
        <translation>The blue bar selected text is played next (F9)</translation>
    </message>
    <message>
        <source>Weiter bei Pause (Strg+Leertaste)</source>
        <translation>Go on if holded (Ctl+Space)</translation>
    </message>
    <message>
        <source>Weiterblättern bei Pause (F11)</source>
        <translation>Next page if holded (F11)</translation>
    </message>
    <message>
        <source>Aktueller Text:</source>
        <translation>Actual text:</translation>
    </message>
    <message>
        <source>Der aktuelle Text welcher gezeigt werden soll</source>
        <translation>The actual text wich is now in the display</translation>
    </message>
    <message>
        <source>Gesamtgeschwindigkeit</source>
        <translation>Overall speed</translation>
    </message>
    <message>
        <source>Gesamtablaufgeschwindigkeit ändern</source>
        <translation>Change overall speed</translation>
    </message>
    <message>
        <source>Geschwindigkeit auf 50% setzten</source>
        <translation>Set overall speed to 50%</translation>
    </message>
    <message>
        <source>Geschwindigkeit auf 100% setzten</source>
        <translation>Set overall speed to 100%</translation>
    </message>
    <message>
        <source>Geschwindigkeit auf 150% setzten</source>
        <translation>Set overall speed to 150%</translation>
    </message>
    <message>
        <source>Verfolgen</source>
        <translation>Follow</translation>
    </message>
    <message>
        <source>Während des automatischen Ablaufs wird in der ersten Reihe der Tabele der gerade aktuelle Text gezeigt</source>
        <translation>During the automatic playing the actual text will be shown in the first row</translation>
    </message>
    <message>
        <source>&amp;Automatisch abspielen</source>
        <translation>Play &amp;automaticly</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Anzeige anhalten und löschen</source>
        <translation>Stop and &amp;clear display</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Hold</translation>
    </message>
    <message>
        <source>Start+Pause</source>
        <translation>Start+Hold</translation>
    </message>
    <message>
        <source>Ablauf wird gestarte und angehaltet und wartet dann auf "weiter"</source>
        <translation>Sequence starts, hold then and waits for "Go on if holded (space)"</translation>
    </message>
    <message>
        <source>&amp;Manuell</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Pause / manuell</source>
        <translation>Hold / manual</translation>
    </message>
    <message>
        <source>&amp;Erster</source>
        <translation>&amp;First</translation>
    </message>
    <message>
        <source>&amp;Letzter</source>
        <translation>&amp;Last</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Vor</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Der nächste Text wird abgespielt</source>
        <translation>The next text is played</translation>
    </message>
    <message>
        <source>&amp;Gehe zu</source>
        <translation>&amp;Go to</translation>
    </message>
    <message>
        <source>Der mit blauem Balken ausgewählte Text wird abgespielt</source>
        <translation>The blue bar selected text is played</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>Go &amp;on</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>Der COM-Port hat die Daten nicht angenommen.</source>
        <translation>The COM-Port did not take the data.</translation>
    </message>
    <message>
        <source>Der Ausgabepuffer des COM-Ports ist voll.</source>
        <translation>The output buffer of the COM-Port is full.</translation>
    </message>
    <message>
        <source>COM%1 kann nicht geöffnet werden: %2</source>
        <translation>COM%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Kein COM-Port gewählt.</source>
        <translation>No COM-Port chosen.</translation>
    </message>
</context>
<context>
    <name>QtSerialPort</name>
    <message>
        <source>Zu COM%1 gehört kein Gerät.</source>
        <translation>No device belongs to COM%1.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen (%2).</source>
        <translation>%1 cannot be opened (%2).</translation>
    </message>
    <message>
        <source>%1 ist schon geöffnet.</source>
        <translation>%1 is already open.</translation>
    </message>
    <message>
        <source>Kein Zugriff auf %1: es ist schon von einem anderen Programm geöffnet, oder die Rechte fehlen.</source>
        <translation>No access to %1: another program has it open, or the rights are missing.</translation>
    </message>
    <message>
        <source>Das Gerät %1 ist nicht vorhanden.</source>
        <translation>The device %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>FlowLineFields</name>
    <message>
        <source>Feste Zeile %1</source>
        <translation>Fixed line %1</translation>
    </message>
</context>
<context>
    <name>PortCommand</name>
    <message>
        <source>COM-Port ändern? Momentan: COM%1</source>
        <translation>Change COM-Port? Now: COM%1</translation>
    </message>
    <message>
        <source>Noch ein Versuch? Momentan: COM%1</source>
        <translation>Try again? Now: COM%1</translation>
    </message>
    <message>
        <source>Kein COM-Port gewählt: Abspielen &gt; COM-Port wählt einen</source>
        <translation>No COM-Port chosen: Play &gt; COM-Port chooses one</translation>
    </message>
</context>
<context>
    <name>RemoteControlDialog</name>
    <message>
        <source>Fernsteuerung</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>OSC-Port (UDP und TCP, 0 = aus):</source>
        <translation>OSC port (UDP and TCP, 0 = off):</translation>
    </message>
    <message>
        <source>Textport (UDP, 0 = aus):</source>
        <translation>Text port (UDP, 0 = off):</translation>
    </message>
    <message>
        <source>Passwort (leer = keines):</source>
        <translation>Passcode (empty = none):</translation>
    </message>
    <message>
        <source>Adresse (leer = alle):</source>
        <translation>Address (empty = all):</translation>
    </message>
    <message>
        <source>Zustand:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Verbunden:</source>
        <translation>Connected:</translation>
    </message>
    <message>
        <source>allen Adressen</source>
        <translation>all addresses</translation>
    </message>
    <message>
        <source>Hört auf %1, OSC-Port %2.</source>
        <translation>Listening on %1, OSC port %2.</translation>
    </message>
    <message>
        <source>Hört auf %1, Textport %2.</source>
        <translation>Listening on %1, text port %2.</translation>
    </message>
    <message>
        <source>Aus.</source>
        <translation>Off.</translation>
    </message>
    <message>
        <source>Gesperrt.</source>
        <translation>Locked.</translation>
    </message>
</context>
<context>
    <name>RemoteControlPanel</name>
    <message>
        <source>&amp;Fernsteuerung…</source>
        <translation>&amp;Remote control…</translation>
    </message>
    <message>
        <source>Fernsteuerung spe&amp;rren</source>
        <translation>Loc&amp;k remote control</translation>
    </message>
    <message>
        <source>Fernsteuerung: %1</source>
        <translation>Remote control: %1</translation>
    </message>
    <message>
        <source>Fernsteuerung hört auf Port %1 und Textport %2</source>
        <translation>Remote control listens on port %1 and text port %2</translation>
    </message>
    <message>
        <source>Fernsteuerung hört auf Port %1</source>
        <translation>Remote control listens on port %1</translation>
    </message>
    <message>
        <source>Fernsteuerung hört auf Textport %1</source>
        <translation>Remote control listens on text port %1</translation>
    </message>
    <message>
        <source> (gesperrt)</source>
        <translation> (locked)</translation>
    </message>
    <message>
        <source> – zuletzt %1 von %2</source>
        <translation> – last %1 from %2</translation>
    </message>
    <message>
        <source> – %1 von %2 abgelehnt: %3</source>
        <translation> – %1 from %2 refused: %3</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Die Adresse %1 ist keine IP-Adresse.</source>
        <translation>%1 is not an IP address.</translation>
    </message>
    <message>
        <source>OSC-Port %1 (UDP): %2</source>
        <translation>OSC port %1 (UDP): %2</translation>
    </message>
    <message>
        <source>OSC-Port %1 (TCP): %2</source>
        <translation>OSC port %1 (TCP): %2</translation>
    </message>
    <message>
        <source>Textport %1: %2</source>
        <translation>Text port %1: %2</translation>
    </message>
</context>
<context>
    <name>SequenceControls</name>
    <message>
        <source>Alle Texte aktivieren</source>
        <translation>Activate all texts</translation>
    </message>
    <message>
        <source>Keinen Text aktivieren</source>
        <translation>Deactivate all texts</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>Anzeige hat zu viele Zeichen.</source>
        <translation>The display has too many characters.</translation>
    </message>
    <message>
        <source>Einstellungsdatei %1 kann nicht gelesen werden; es gelten die Grundeinstellungen.</source>
        <translation>The settings file %1 cannot be read; the default settings apply.</translation>
    </message>
</context>
<context>
    <name>SupervisionWindow</name>
    <message>
        <source>Anzeige Kontrolle</source>
        <translation>Display supervision</translation>
    </message>
</context>
<context>
    <name>TableCommandBar</name>
    <message>
        <source>Nr. neu</source>
        <translation>New No.</translation>
    </message>
    <message>
        <source>Neue, freie Textnummer ermitteln</source>
        <translation>Get a new free number</translation>
    </message>
    <message>
        <source>Neuer Text</source>
        <translation>New text</translation>
    </message>
    <message>
        <source>Aktiven Text löschen</source>
        <translation>Clear activ text</translation>
    </message>
    <message>
        <source>Neu durchnumerieren</source>
        <translation>All numbers new</translation>
    </message>
    <message>
        <source>Alle Texte in 10er - Schritten neu durchnummerieren</source>
        <translation>All texts will get new numbers in steps by 10</translation>
    </message>
    <message>
        <source>Texte löschen</source>
        <translation>Clear texts</translation>
    </message>
    <message>
        <source>Die mit der gelben Markierung ausgewählten Texte oder der ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht</source>
        <translation>The yellow marked texts or the selected text is deleted after confirmation</translation>
    </message>
    <message>
        <source>Texte tauschen</source>
        <translation>Exchange texts</translation>
    </message>
    <message>
        <source>Zwei mit der gelben Markierung ausgewählten Texte werden getauscht</source>
        <translation>Exchange two yellow marged texts</translation>
    </message>
    <message>
        <source>Texte &amp;löschen</source>
        <translation>&amp;Delete texts</translation>
    </message>
    <message>
        <source>Texte &amp;tauschen</source>
        <translation>&amp;Exchange texts</translation>
    </message>
    <message>
        <source>Liste &amp;Markierung</source>
        <translation>List of &amp;marks</translation>
    </message>
</context>
<context>
    <name>TableCommands</name>
    <message>
        <source>Mehr als %1 Texte können nicht neu durchnummeriert werden.</source>
        <translation>More than %1 texts can not get new numbers.</translation>
    </message>
    <message>
        <source>Achtung! Alle Texte werden neu duchnummeriert bei 00010 beginnend in Schritten von 10. Die bisherige Reihenfolge bleibt dabei erhalten.</source>
        <translation>Attention! All texts get new numbers. Starting at 00010 in steps by 10. The previous order will not be changed.</translation>
    </message>
    <message>
        <source>Achtung! Soll der aktuell ausgewählte Text (blauer Balken) gelöscht werden?</source>
        <translation>Attention! Erase the selected (blue bar) text?</translation>
    </message>
    <message>
        <source>Achtung! Sollen die Texte %1 gelöscht werden?</source>
        <translation>Attention! Erase %1 ?</translation>
    </message>
    <message>
        <source>Es können nicht mehr als 2 Texte miteinander getauscht werden.</source>
        <translation>You can not exchange more then two texts.</translation>
    </message>
    <message>
        <source>Achtung! Sollen die Texte %1 und %2 getauscht werden?</source>
        <translation>Attention! Exchange the texts %1 and %2?</translation>
    </message>
    <message>
        <source>"%1" nicht gefunden.</source>
        <translation>"%1" not found.</translation>
    </message>
</context>
<context>
    <name>UploadStrip</name>
    <message>
        <source>Senden</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UploadTexts</name>
    <message>
        <source>Bitte warten...</source>
        <translation>wait please...</translation>
    </message>
    <message>
        <source>Wird gesendet...</source>
        <translation>Transmit...</translation>
    </message>
    <message>
        <source>Übertragung ist OK!</source>
        <translation>Transmission OK!</translation>
    </message>
    <message>
        <source>Fehler bei Übertragung</source>
        <translation>Error in transmission</translation>
    </message>
    <message>
        <source>Anzeigespeicher ist defekt</source>
        <translation>Defective displaymemory</translation>
    </message>
    <message>
        <source>Text ist zu lang! Maximal 2048 Zeichen.</source>
        <translation>Text too long! 2048 characters maximum.</translation>
    </message>
    <message>
        <source>Nicht gesendet: Die Anzeige ist zu groß für die Übertragung (höchstens 99 Zeilen und 9999 Stellen).</source>
        <translation>Not transmitted: the display is too large for the transmission (at most 99 lines and 9999 characters).</translation>
    </message>
    <message>
        <source>Nicht gesendet: Die Zelle &quot;Parameter&quot; von Text Nr. %1 enthält keine Zahl von 0 bis 99.</source>
        <translation>Not transmitted: the cell &quot;Parameter&quot; of text no. %1 holds no number from 0 to 99.</translation>
    </message>
</context>
<context>
    <name>PreviewLines</name>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Text simulieren</source>
        <translation>Simulate text</translation>
    </message>
    <message>
        <source>Der zu bearbeitende Text wird simuliert</source>
        <translation>The edited text will be simulated</translation>
    </message>
</context>
<context>
    <name>AlignmentButtons</name>
    <message>
        <source>Linksbündig</source>
        <translation>Left alignment</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Center alignment</translation>
    </message>
    <message>
        <source>Rechtsbündig</source>
        <translation>Right alignment</translation>
    </message>
</context>
<context>
    <name>EditorContextMenu</name>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>&amp;Cut</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>Alles &amp;markieren</source>
        <translation>&amp;Mark all</translation>
    </message>
</context>
<context>
    <name>KindTabConverter</name>
    <message>
        <source>Achtung: Bei Umwandlung in Fliesstext geht die Formatierung verloren. Umwandlung durchfühlen?</source>
        <translation>Attention: The formatting will be lost if you convert the text to floating-text. Carry out the convertion?</translation>
    </message>
</context>
<context>
    <name>CellConversionError</name>
    <message>
        <source>Text %1, Spalte %2: %3</source>
        <translation>Text %1, column %2: %3</translation>
    </message>
</context>
<context>
    <name>ColumnName</name>
    <message>
        <source>Markierung</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Text Nr.</source>
        <translation>Text No.</translation>
    </message>
    <message>
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>B/S/F</source>
        <translation>b/s/f</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>OversizedFileError</name>
    <message>
        <source>Zeile %1, Spalte %2 (%3) enthält %4 Zeichen; eine Zelle darf höchstens %5 Zeichen enthalten.</source>
        <translation>Line %1, column %2 (%3) holds %4 characters; a cell may hold at most %5 characters.</translation>
    </message>
    <message>
        <source>Sie hat mehr als %1 Zeilen; ein Ablauf hat höchstens so viele Texte.</source>
        <translation>It has more than %1 lines; a sequence holds at most that many texts.</translation>
    </message>
    <message>
        <source>Datei %1 wird nicht geöffnet: %2</source>
        <translation>File %1 is not opened: %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Start+Pause</source>
        <translation>Start+Hold</translation>
    </message>
    <message>
        <source>Alt+Leertaste</source>
        <translation>Alt+Space</translation>
    </message>
    <message>
        <source>Weiter bei Pause</source>
        <translation>Go on if holded</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Strg+Enter</source>
        <translation>Ctl+Return</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop:</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Strg+P</source>
        <translation>Ctl+P</translation>
    </message>
    <message>
        <source>Manuell anspielen</source>
        <translation>Play manuell</translation>
    </message>
    <message>
        <source>Erster</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Letzter</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>gehe zu</source>
        <translation>go to</translation>
    </message>
    <message>
        <source>Ablauf speichern</source>
        <translation>Save sequence</translation>
    </message>
    <message>
        <source>Strg+S</source>
        <translation>Ctl+S</translation>
    </message>
    <message>
        <source>Texte Löschen</source>
        <translation>Clear text</translation>
    </message>
    <message>
        <source>Strg+Entf</source>
        <translation>Ctl+Del</translation>
    </message>
    <message>
        <source>Liste Markierung</source>
        <translation>List of marks</translation>
    </message>
    <message>
        <source>Strg+M</source>
        <translation>Ctl+M</translation>
    </message>
    <message>
        <source>OK (Hilfe ausblenden = F1)</source>
        <translation>OK (Close help = F1)</translation>
    </message>
    <message>
        <source>Fenster Schliessen</source>
        <translation>Close help</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>© Lumentafel-Projekt. Alle Rechte vorbehalten.</source>
        <translation>© Lumentafel project. All rights reserved.</translation>
    </message>
    <message>
        <source>Internetseite im Browser öffnen</source>
        <translation>Open the web page in the browser</translation>
    </message>
</context>
<context>
    <name>BoardOutput</name>
    <message>
        <source>Verbindung verloren</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>verbunden</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>wird verbunden</source>
        <translation>reconnecting</translation>
    </message>
    <message>
        <source>blockiert</source>
        <translation>stalled</translation>
    </message>
</context>
<context>
    <name>TcpBoardOutput</name>
    <message>
        <source>Verbindung getrennt</source>
        <translation>connection closed</translation>
    </message>
</context>
<context>
    <name>BoardMonitor</name>
    <message>
        <source>%1: %2, %3 Bytes wartend</source>
        <translation>%1: %2, %3 bytes waiting</translation>
    </message>
    <message>
        <source>Anzeige %1 nicht erreichbar, wird verbunden</source>
        <translation>Display %1 not reached, reconnecting</translation>
    </message>
    <message>
        <source>Anzeige %1 blockiert</source>
        <translation>Display %1 stalled</translation>
    </message>
</context>
<context>
    <name>BoardUploads</name>
    <message>
        <source>nicht verbunden</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>Übertragung: %1 von %2 OK</source>
        <translation>Transmission: %1 of %2 OK</translation>
    </message>
</context>
<context>
    <name>BoardsDialog</name>
    <message>
        <source>Keine Anzeige: %1. Erlaubt sind COMn und tcp://HOST:PORT.</source>
        <translation>Not a display: %1. Use COMn or tcp://HOST:PORT.</translation>
    </message>
    <message>
        <source>Erste Anzeige: kein COM-Port gewählt</source>
        <translation>First display: no COM port chosen</translation>
    </message>
    <message>
        <source>Erste Anzeige %1</source>
        <translation>First display %1</translation>
    </message>
    <message>
        <source>Anzeigen</source>
        <translation>Displays</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ProgramBoards</name>
    <message>
        <source>&amp;Anzeigen…</source>
        <translation>&amp;Displays…</translation>
    </message>
</context>
<context>
    <name>ProgramShowLog</name>
    <message>
        <source>&amp;Protokoll</source>
        <translation>&amp;Show log</translation>
    </message>
</context>
<context>
    <name>ShowLog</name>
    <message>
        <source>Programm</source>
        <translation>program</translation>
    </message>
    <message>
        <source>Taste</source>
        <translation>key</translation>
    </message>
    <message>
        <source>Schalter</source>
        <translation>button</translation>
    </message>
    <message>
        <source>Menü</source>
        <translation>menu</translation>
    </message>
    <message>
        <source>Fernsteuerung %1</source>
        <translation>remote %1</translation>
    </message>
    <message>
        <source>Dauer abgelaufen</source>
        <translation>duration ran out</translation>
    </message>
    <message>
        <source>Text ausgelaufen</source>
        <translation>text ran out</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Abgelehnt</source>
        <translation>Refused</translation>
    </message>
    <message>
        <source>Anzeige verloren</source>
        <translation>Display lost</translation>
    </message>
    <message>
        <source>Anzeige zurück</source>
        <translation>Display back</translation>
    </message>
    <message>
        <source>weitere Ablehnungen in dieser Minute nicht protokolliert</source>
        <translation>further refusals this minute not logged</translation>
    </message>
</context>
</TS>
