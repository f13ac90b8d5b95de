<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>prismora::CellDescription</name>
    <message>
        <source>tänd</source>
        <translation>lit</translation>
    </message>
    <message>
        <source>släckt</source>
        <translation>dark</translation>
    </message>
    <message>
        <source>nås av %1</source>
        <translation>reached by %1</translation>
    </message>
    <message>
        <source>okänd pjäs</source>
        <translation>unknown piece</translation>
    </message>
    <message>
        <source>vänd %1</source>
        <translation>facing %1</translation>
    </message>
    <message>
        <source>Laserkanon</source>
        <translation>Laser cannon</translation>
    </message>
    <message>
        <source>skjuter %1</source>
        <translation>firing %1</translation>
    </message>
    <message>
        <source>stråle</source>
        <translation>beam</translation>
    </message>
    <message>
        <source>%1 stråle</source>
        <translation>%1 beam</translation>
    </message>
    <message>
        <source>tom</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Kolumn %1, rad %2: %3</source>
        <translation>Column %1, row %2: %3</translation>
    </message>
</context>
<context>
    <name>prismora::CoreText</name>
    <message>
        <source>Banan innehåller mer än brädet rymmer: %1 pjäser och %2 laserkanoner fick inte plats och laddades inte.</source>
        <translation>The level holds more than the board takes: %1 pieces and %2 laser cannons did not fit and were not loaded.</translation>
    </message>
    <message>
        <source>Filen %1 är för stor för att vara en bana (högst 1 MiB).</source>
        <translation>The file %1 is too large to be a level (1 MiB at most).</translation>
    </message>
    <message>
        <source>positionen har %1 pjäser fler än en banfil rymmer</source>
        <translation>the position has %1 more pieces than a level file holds</translation>
    </message>
    <message>
        <source>Filen %1 är ingen vanlig fil och kan inte vara en bana.</source>
        <translation>The file %1 is not a regular file and cannot be a level.</translation>
    </message>
    <message>
        <source>Filen %1 kunde inte läsas.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Filen %1 kunde inte sparas: %2.</source>
        <translation>The file %1 could not be saved: %2.</translation>
    </message>
    <message>
        <source>Spegel</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Dubbelspegel</source>
        <translation>Double mirror</translation>
    </message>
    <message>
        <source>Kryss</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>T-koppling</source>
        <translation>T-junction</translation>
    </message>
    <message>
        <source>T-koppling 2</source>
        <translation>T-junction 2</translation>
    </message>
    <message>
        <source>Inverterare</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Y-koppling</source>
        <translation>Y-junction</translation>
    </message>
    <message>
        <source>Röd lampa</source>
        <translation>Red lamp</translation>
    </message>
    <message>
        <source>Grön lampa</source>
        <translation>Green lamp</translation>
    </message>
    <message>
        <source>Blå lampa</source>
        <translation>Blue lamp</translation>
    </message>
    <message>
        <source>Röd Laserkanon</source>
        <translation>Red laser cannon</translation>
    </message>
    <message>
        <source>Grön Laserkanon</source>
        <translation>Green laser cannon</translation>
    </message>
    <message>
        <source>Blå Laserkanon</source>
        <translation>Blue laser cannon</translation>
    </message>
    <message>
        <source>Hinder</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomb</translation>
    </message>
    <message>
        <source>Enkelriktare</source>
        <translation>One-way gate</translation>
    </message>
    <message>
        <source>Vit lampa</source>
        <translation>White lamp</translation>
    </message>
    <message>
        <source>åt höger</source>
        <translation>to the right</translation>
    </message>
    <message>
        <source>snett uppåt höger</source>
        <translation>up and to the right</translation>
    </message>
    <message>
        <source>uppåt</source>
        <translation>upwards</translation>
    </message>
    <message>
        <source>snett uppåt vänster</source>
        <translation>up and to the left</translation>
    </message>
    <message>
        <source>åt vänster</source>
        <translation>to the left</translation>
    </message>
    <message>
        <source>snett nedåt vänster</source>
        <translation>down and to the left</translation>
    </message>
    <message>
        <source>nedåt</source>
        <translation>downwards</translation>
    </message>
    <message>
        <source>snett nedåt höger</source>
        <translation>down and to the right</translation>
    </message>
    <message>
        <source>från höger</source>
        <translation>from the right</translation>
    </message>
    <message>
        <source>snett uppifrån höger</source>
        <translation>from above right</translation>
    </message>
    <message>
        <source>uppifrån</source>
        <translation>from above</translation>
    </message>
    <message>
        <source>snett uppifrån vänster</source>
        <translation>from above left</translation>
    </message>
    <message>
        <source>från vänster</source>
        <translation>from the left</translation>
    </message>
    <message>
        <source>snett nedifrån vänster</source>
        <translation>from below left</translation>
    </message>
    <message>
        <source>nedifrån</source>
        <translation>from below</translation>
    </message>
    <message>
        <source>snett nedifrån höger</source>
        <translation>from below right</translation>
    </message>
    <message>
        <source>röd</source>
        <translation>red</translation>
    </message>
    <message>
        <source>grön</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blå</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>Speglar strålar som träffar den svarta sidan snett och viker av dem 90 grader; baksidan stoppar dem.</source>
        <translation>Reflects beams that strike its black side at a slant, turning them by 90 degrees; the back stops them.</translation>
    </message>
    <message>
        <source>Speglar strålar som träffar den snett, på båda sidorna, och viker av dem 90 grader.</source>
        <translation>Reflects beams that strike it at a slant, on both sides, turning them by 90 degrees.</translation>
    </message>
    <message>
        <source>Böjer en stråle 45 grader mellan den raka och den sneda kanalen.</source>
        <translation>Bends a beam by 45 degrees between the straight and the slanting channel.</translation>
    </message>
    <message>
        <source>Delar en stråle som kommer in genom foten i två, ut åt båda sidorna.</source>
        <translation>Splits a beam that enters through the foot in two, out to both sides.</translation>
    </message>
    <message>
        <source>En stråle som kommer in genom ena armen går rakt fram och delas också av åt sidan.</source>
        <translation>A beam that enters through one arm goes straight on and is also split off to the side.</translation>
    </message>
    <message>
        <source>Byter färg på strålen som går igenom: åt ena hållet blir röd grön, grön blå och blå röd, åt andra hållet tvärtom.</source>
        <translation>Changes the colour of the beam passing through: one way red becomes green, green blue and blue red, the other way the reverse.</translation>
    </message>
    <message>
        <source>Delar en stråle som kommer in genom foten i två grenar, snett åt var sitt håll.</source>
        <translation>Splits a beam that enters through the foot into two branches, slanting away from each other.</translation>
    </message>
    <message>
        <source>Tänds när en röd stråle når den. Strålar går rakt igenom.</source>
        <translation>Lights up when a red beam reaches it. Beams pass straight through.</translation>
    </message>
    <message>
        <source>Tänds när en grön stråle når den. Strålar går rakt igenom.</source>
        <translation>Lights up when a green beam reaches it. Beams pass straight through.</translation>
    </message>
    <message>
        <source>Tänds när en blå stråle når den. Strålar går rakt igenom.</source>
        <translation>Lights up when a blue beam reaches it. Beams pass straight through.</translation>
    </message>
    <message>
        <source>Tänds när en röd, en grön och en blå stråle alla når den. Strålar går rakt igenom.</source>
        <translation>Lights up when a red, a green and a blue beam all reach it. Beams pass straight through.</translation>
    </message>
    <message>
        <source>Stoppar alla strålar.</source>
        <translation>Stops every beam.</translation>
    </message>
    <message>
        <source>Når en stråle bomben börjar nivån om.</source>
        <translation>When a beam reaches the bomb, the level starts over.</translation>
    </message>
    <message>
        <source>Släpper bara igenom strålar som går åt pilarnas håll.</source>
        <translation>Lets through only beams going the way the arrows point.</translation>
    </message>
    <message>
        <source>Den svarta sidan vetter %1 och viker av strålar som träffar den snett 90 grader. Strålar rakt framifrån, längs spegeln och mot baksidan stoppas.</source>
        <translation>The black side faces %1 and turns beams that strike it at a slant by 90 degrees. Beams head-on, along the mirror and against the back are stopped.</translation>
    </message>
    <message>
        <source>En stråle som kommer in %1 delas i två: ut %2 och %3. Andra strålar stoppas.</source>
        <translation>A beam coming in %1 is split in two: out %2 and %3. Other beams are stopped.</translation>
    </message>
    <message>
        <source>En stråle som kommer in %1 delas i två: ut %2 och rakt fram %3. Andra strålar stoppas.</source>
        <translation>A beam coming in %1 is split in two: out %2 and straight on %3. Other beams are stopped.</translation>
    </message>
    <message>
        <source>En stråle som går %1: röd blir grön, grön blå, blå röd. En stråle som går %2: röd blir blå, blå grön, grön röd. Från sidorna stoppas strålen.</source>
        <translation>A beam going %1: red becomes green, green blue, blue red. A beam going %2: red becomes blue, blue green, green red. From the sides the beam is stopped.</translation>
    </message>
    <message>
        <source>En stråle som kommer in %1 delas i två: %2 och %3. Andra strålar stoppas.</source>
        <translation>A beam coming in %1 is split in two: %2 and %3. Other beams are stopped.</translation>
    </message>
    <message>
        <source>Släpper bara igenom strålar som går %1.</source>
        <translation>Lets through only beams going %1.</translation>
    </message>
    <message>
        <source>Skjuter en röd stråle dit pipan pekar.</source>
        <translation>Fires a red beam where its barrel points.</translation>
    </message>
    <message>
        <source>Skjuter en grön stråle dit pipan pekar.</source>
        <translation>Fires a green beam where its barrel points.</translation>
    </message>
    <message>
        <source>Skjuter en blå stråle dit pipan pekar.</source>
        <translation>Fires a blue beam where its barrel points.</translation>
    </message>
    <message>
        <source>Skjuter en stråle dit pipan pekar.</source>
        <translation>Fires a beam where its barrel points.</translation>
    </message>
    <message>
        <source>Skjuter en röd stråle %1.</source>
        <translation>Fires a red beam %1.</translation>
    </message>
    <message>
        <source>Skjuter en grön stråle %1.</source>
        <translation>Fires a green beam %1.</translation>
    </message>
    <message>
        <source>Skjuter en blå stråle %1.</source>
        <translation>Fires a blue beam %1.</translation>
    </message>
    <message>
        <source>Skjuter en stråle %1.</source>
        <translation>Fires a beam %1.</translation>
    </message>
    <message>
        <source>kolumn %1, rad %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>%1 i %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Exakt en lösning</source>
        <translation>Exactly one solution</translation>
    </message>
    <message>
        <source>Inget är pynt</source>
        <translation>Nothing is decoration</translation>
    </message>
    <message>
        <source>Varje bomb har en uppgift</source>
        <translation>Every bomb has a purpose</translation>
    </message>
    <message>
        <source>Mörkt från början</source>
        <translation>Dark at the start</translation>
    </message>
    <message>
        <source>En säker väg</source>
        <translation>A safe path</translation>
    </message>
    <message>
        <source>Återhållsam</source>
        <translation>Restraint</translation>
    </message>
    <message>
        <source>Sökningen räckte inte för att avgöra</source>
        <translation>The search was not enough to decide</translation>
    </message>
    <message>
        <source>Nivån har ingen lösning</source>
        <translation>The level has no solution</translation>
    </message>
    <message>
        <source>Nivån har exakt en lösning</source>
        <translation>The level has exactly one solution</translation>
    </message>
    <message>
        <source>Nivån har fler än en lösning</source>
        <translation>The level has more than one solution</translation>
    </message>
    <message>
        <source>Nivån har fler än en lösning, till exempel med %1</source>
        <translation>The level has more than one solution, for example with %1</translation>
    </message>
    <message>
        <source>Nivån har redan fler än en lösning</source>
        <translation>The level already has more than one solution</translation>
    </message>
    <message>
        <source>%1 behövs inte</source>
        <translation>%1 is not needed</translation>
    </message>
    <message>
        <source>Varje lampa, bomb och hinder behövs</source>
        <translation>Every lamp, bomb and obstacle is needed</translation>
    </message>
    <message>
        <source>%1 lyser redan när nivån laddas</source>
        <translation>%1 is already lit when the level loads</translation>
    </message>
    <message>
        <source>Ingen lampa lyser från början</source>
        <translation>No lamp is lit at the start</translation>
    </message>
    <message>
        <source>En lampa lyser från början</source>
        <translation>One lamp is lit at the start</translation>
    </message>
    <message>
        <source>Fler än 3 bomber</source>
        <translation>More than 3 bombs</translation>
    </message>
    <message>
        <source>Fler än 14 lampor, bomber och hinder</source>
        <translation>More than 14 lamps, bombs and obstacles</translation>
    </message>
    <message>
        <source>Högst 3 bomber och 14 lampor, bomber och hinder</source>
        <translation>At most 3 bombs and 14 lamps, bombs and obstacles</translation>
    </message>
    <message>
        <source>Ingen pjäs kan leda en stråle till bomben i %1</source>
        <translation>No piece can lead a beam to the bomb at %1</translation>
    </message>
    <message>
        <source>Varje bomb kan nås av en stråle</source>
        <translation>Every bomb can be reached by a beam</translation>
    </message>
    <message>
        <source>Lösningen kan läggas bit för bit utan att en bomb smäller</source>
        <translation>The solution can be placed piece by piece without a bomb going off</translation>
    </message>
    <message>
        <source>Varje ordning leder en stråle in i en bomb, som bomben i %1</source>
        <translation>Every order leads a beam into a bomb, such as the bomb at %1</translation>
    </message>
    <message>
        <source>Ingen ordning av lösningens pjäser löser nivån</source>
        <translation>No order of the solution&apos;s pieces solves the level</translation>
    </message>
</context>
<context>
    <name>prismora::GeneratedTab</name>
    <message>
        <source>Lätt</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Medel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Svår</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Mästare</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slumpade banor du har spelat</source>
        <translation>Random levels you have played</translation>
    </message>
    <message>
        <source>Dagens pussel</source>
        <translation>Today&apos;s puzzle</translation>
    </message>
    <message>
        <source>Ny slumpad bana: %1</source>
        <translation>New random level: %1</translation>
    </message>
    <message>
        <source>Ange kod:</source>
        <translation>Enter code:</translation>
    </message>
    <message>
        <source>Ange kod</source>
        <translation>Enter code</translation>
    </message>
    <message>
        <source>Öppna</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Öppna koden</source>
        <translation>Open the code</translation>
    </message>
</context>
<context>
    <name>prismora::HelpDialog</name>
    <message>
        <source>&lt;h2&gt;Så spelar du&lt;/h2&gt;&lt;p&gt;Laserkanonerna skjuter röda, gröna och blå strålar över brädet. Lägg ut bitarna i listan till höger så att varje lampa nås av en stråle i sin egen färg; en vit lampa behöver en röd, en grön och en blå stråle. Når en stråle en bomb börjar nivån om. När alla lampor lyser har du klarat nivån.&lt;/p&gt;&lt;p&gt;Dubbelklicka på en rad i listan för att ta en bit: den hamnar i rutan längst upp till vänster. Dra den dit du vill med vänster musknapp och vrid den med höger musknapp eller mushjulet. Släpp den utanför brädet för att lägga tillbaka den i listan.&lt;/p&gt;&lt;h3&gt;Bitarna&lt;/h3&gt;</source>
        <translation>&lt;h2&gt;How to play&lt;/h2&gt;&lt;p&gt;The laser cannons fire red, green and blue beams across the board. Place the pieces of the list on the right so that every lamp is reached by a beam of its own colour; a white lamp needs a red, a green and a blue beam. When a beam reaches a bomb, the level starts over. When every lamp is lit, you have solved the level.&lt;/p&gt;&lt;p&gt;Double-click a row of the list to take a piece: it lands in the top-left cell. Drag it where you want it with the left mouse button and turn it with the right mouse button or the mouse wheel. Drop it outside the board to put it back in the list.&lt;/p&gt;&lt;h3&gt;The pieces&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tangenterna&lt;/h3&gt;&lt;table cellspacing=&apos;2&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;flyttar tangentbordet till brädet&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Piltangenterna&lt;/b&gt;&lt;/td&gt;&lt;td&gt;flyttar markören, och biten du bär&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Mellanslag, Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;tar upp eller lägger ner biten under markören&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;R, Skift+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;vrider biten moturs, medurs&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;lägger tillbaka biten under markören&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;1–9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;tar en bit från den raden i listan&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Page Up, Page Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;föregående, nästa nivå&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;välj nivå&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;ångra&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Y, Ctrl+Skift+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;gör om&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;börja om nivån&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;&lt;/td&gt;&lt;td&gt;tips: visar var nästa bit ska ligga&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+B&lt;/b&gt;&lt;/td&gt;&lt;td&gt;färgblindhjälp: bokstäver på lampor och kanoner, röda strålar hela, gröna streckade och blå prickade&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;den här hjälpen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;The keys&lt;/h3&gt;&lt;table cellspacing=&apos;2&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;moves the keyboard to the board&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Arrow keys&lt;/b&gt;&lt;/td&gt;&lt;td&gt;move the cursor, and the piece you carry&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Space, Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;pick up or put down the piece under the cursor&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;R, Shift+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;turn the piece anticlockwise, clockwise&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Delete&lt;/b&gt;&lt;/td&gt;&lt;td&gt;puts the piece under the cursor back&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;1–9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;take a piece from that row of the list&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Page Up, Page Down&lt;/b&gt;&lt;/td&gt;&lt;td&gt;previous, next level&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+L&lt;/b&gt;&lt;/td&gt;&lt;td&gt;choose a level&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;undo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Y, Ctrl+Shift+Z&lt;/b&gt;&lt;/td&gt;&lt;td&gt;redo&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;start the level over&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;H&lt;/b&gt;&lt;/td&gt;&lt;td&gt;hint: shows where the next piece goes&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+B&lt;/b&gt;&lt;/td&gt;&lt;td&gt;colour-blind aid: letters on lamps and cannons, red beams solid, green dashed and blue dotted&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;F1&lt;/b&gt;&lt;/td&gt;&lt;td&gt;this help&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Så spelar du</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Stäng</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>prismora::LevelChooser</name>
    <message>
        <source>Grundserien</source>
        <translation>Basic series</translation>
    </message>
    <message>
        <source>Mästarserien</source>
        <translation>Master series</translation>
    </message>
    <message>
        <source>Välj nivå</source>
        <translation>Choose level</translation>
    </message>
    <message>
        <source>%1, löst</source>
        <translation>%1, solved</translation>
    </message>
    <message>
        <source>Spela</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Fortsätt där du slutade</source>
        <translation>Continue where you left off</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bäst: %1</source>
        <translation>Best: %1</translation>
    </message>
    <message>
        <source>Slumpade</source>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>prismora::MainWindow</name>
    <message>
        <source>kolumn %1, rad %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <source>Tips finns bara när du spelar en nivå</source>
        <translation>Hints are only for playing a level</translation>
    </message>
    <message>
        <source>Letar efter ett tips...</source>
        <translation>Looking for a hint...</translation>
    </message>
    <message>
        <source>Ta tillbaka %1 i %2</source>
        <translation>Take back %1 in %2</translation>
    </message>
    <message>
        <source>Nivån är redan klar</source>
        <translation>The level is already solved</translation>
    </message>
    <message>
        <source>Hittade ingen lösning</source>
        <translation>Found no solution</translation>
    </message>
    <message>
        <source>Prismora level (*.prl)</source>
        <translation>Prismora level (*.prl)</translation>
    </message>
    <message>
        <source>När du sparar leveln så kan du inte redigera den längre!

Vill du spara nu?</source>
        <translation>Once you save the level, you cannot edit it any more!

Do you want to save now?</translation>
    </message>
    <message>
        <source>Leveln du bygger är inte sparad!

Vill du lämna den ändå?</source>
        <translation>The level you are building is not saved!

Do you want to leave it anyway?</translation>
    </message>
    <message>
        <source>Filen %1 finns redan.

Vill du ersätta den?</source>
        <translation>The file %1 already exists.

Do you want to replace it?</translation>
    </message>
    <message>
        <source>

Vill du avsluta ändå?</source>
        <translation>

Do you want to quit anyway?</translation>
    </message>
    <message>
        <source>Prismora version</source>
        <translation>Prismora version</translation>
    </message>
    <message>
        <source>Level laddad: %1</source>
        <translation>Level loaded: %1</translation>
    </message>
    <message>
        <source>Brädet är fullt</source>
        <translation>The board is full</translation>
    </message>
    <message>
        <source>BOOOOOOM bara att börja om...</source>
        <translation>BOOOOOOM start all over again...</translation>
    </message>
    <message numerus="yes">
        <source>%n lampor kvar att tända</source>
        <translation>
            <numerusform>%n lamp left to light</numerusform>
            <numerusform>%n lamps left to light</numerusform>
        </translation>
    </message>
    <message>
        <source>Grattis! Du klarade det :)</source>
        <translation>Congratulations! You did it :)</translation>
    </message>
    <message>
        <source>Ingen level laddad</source>
        <translation>No level loaded</translation>
    </message>
    <message>
        <source>Välj nivå (Ctrl+L)</source>
        <translation>Choose level (Ctrl+L)</translation>
    </message>
    <message>
        <source>Du måste först bygga en bana som fungerar!</source>
        <translation>You must first build a level that works!</translation>
    </message>
    <message>
        <source>Du måste namnge leveln!</source>
        <translation>You must name the level!</translation>
    </message>
    <message>
        <source>Filen %1 innehåller ingen bana.</source>
        <translation>The file %1 holds no level.</translation>
    </message>
    <message>
        <source>Sparad: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Prismora         Gör egna banor och tävla med dina kompisar         Efter att du tagit en skärmdump, kan du klistra in den i MSN direkt          Nu kan man även spara och skicka spel som är pågående</source>
        <translation>Prismora         Make your own levels and compete with your friends         After taking a screenshot, you can paste it straight into a chat          Now you can also save and send games in progress</translation>
    </message>
    <message>
        <source>Namn:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Banans namn</source>
        <translation>Level name</translation>
    </message>
    <message>
        <source>Välj nivå</source>
        <translation>Choose level</translation>
    </message>
    <message>
        <source>Föregående bana</source>
        <translation>Previous level</translation>
    </message>
    <message>
        <source>Nästa bana</source>
        <translation>Next level</translation>
    </message>
    <message>
        <source>Ladda spel...</source>
        <translation>Load game...</translation>
    </message>
    <message>
        <source>Skapa nytt spel</source>
        <translation>Create new game</translation>
    </message>
    <message>
        <source>Ta skärmdump</source>
        <translation>Take screenshot</translation>
    </message>
    <message>
        <source>Spara spelposition</source>
        <translation>Save game position</translation>
    </message>
    <message>
        <source>Spara som nytt spel...</source>
        <translation>Save as new game...</translation>
    </message>
    <message>
        <source>Testa spel...</source>
        <translation>Test game...</translation>
    </message>
    <message>
        <source>Ångra nytt spel</source>
        <translation>Discard new game</translation>
    </message>
    <message>
        <source>Avsluta</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Pjäser</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>Brädet</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Redigera laddat spel</source>
        <translation>Edit loaded game</translation>
    </message>
    <message>
        <source>Spela laddat spel</source>
        <translation>Play loaded game</translation>
    </message>
    <message>
        <source>Ångra</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Gör om</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Börja om</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Färgblindhjälp</source>
        <translation>Colour-blind aid</translation>
    </message>
    <message>
        <source>Så spelar du</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Språk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Systemets</source>
        <translation>System</translation>
    </message>
    <message>
        <source>åt höger</source>
        <translation>to the right</translation>
    </message>
    <message>
        <source>snett upp åt höger</source>
        <translation>up and to the right</translation>
    </message>
    <message>
        <source>uppåt</source>
        <translation>upwards</translation>
    </message>
    <message>
        <source>snett upp åt vänster</source>
        <translation>up and to the left</translation>
    </message>
    <message>
        <source>åt vänster</source>
        <translation>to the left</translation>
    </message>
    <message>
        <source>snett ner åt vänster</source>
        <translation>down and to the left</translation>
    </message>
    <message>
        <source>nedåt</source>
        <translation>downwards</translation>
    </message>
    <message>
        <source>snett ner åt höger</source>
        <translation>down and to the right</translation>
    </message>
    <message>
        <source>Förlåtande läge</source>
        <translation>Forgiving mode</translation>
    </message>
    <message>
        <source>En bomb varnar medan du bär eller vrider en pjäs och smäller först när du släpper den</source>
        <translation>A bomb warns while you carry or turn a piece and goes off only when you let go of it</translation>
    </message>
    <message>
        <source>Animationer</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Ljud</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Skapar bana...</source>
        <translation>Making a level...</translation>
    </message>
    <message>
        <source>Koden kommer från en nyare version av Prismora. Uppdatera spelet för att öppna den.</source>
        <translation>The code comes from a newer version of Prismora. Update the game to open it.</translation>
    </message>
    <message>
        <source>Level laddad: %1 (%2)</source>
        <translation>Level loaded: %1 (%2)</translation>
    </message>
    <message>
        <source>Koden %1 stämmer inte. Kontrollera att den är rätt inskriven.</source>
        <translation>The code %1 does not check out. Make sure it is typed correctly.</translation>
    </message>
    <message>
        <source>%1 är ingen kod för en bana.</source>
        <translation>%1 is not a level code.</translation>
    </message>
    <message>
        <source>Kopierad: %1</source>
        <translation>Copied: %1</translation>
    </message>
    <message>
        <source>Urklippet innehåller ingen bana och ingen kod.</source>
        <translation>The clipboard holds no level and no code.</translation>
    </message>
    <message>
        <source>Ctrl+Z tar tillbaka draget</source>
        <translation>Ctrl+Z takes the move back</translation>
    </message>
    <message>
        <source>Nästa bana: Enter</source>
        <translation>Next level: Enter</translation>
    </message>
    <message>
        <source>Akta bomben!</source>
        <translation>Mind the bomb!</translation>
    </message>
    <message>
        <source>En bomb smäller redan när spelet börjar, innan någon bit har lagts. Flytta kanonen eller bomben så att leveln går att spela!</source>
        <translation>A bomb goes off as soon as the game starts, before any piece is placed. Move the cannon or the bomb so that the level can be played!</translation>
    </message>
    <message>
        <source>Analys</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Arbetsbänk</source>
        <translation>Workbench</translation>
    </message>
    <message>
        <source>Arbetsbänk (Ctrl+K)</source>
        <translation>Workbench (Ctrl+K)</translation>
    </message>
    <message>
        <source>Tips: flytta %1 till %2,</source>
        <translation>Hint: move %1 to %2,</translation>
    </message>
    <message>
        <source>Tips: %1 i %2,</source>
        <translation>Hint: %1 at %2,</translation>
    </message>
    <message>
        <source>vriden %1</source>
        <translation>turned %1</translation>
    </message>
</context>
<context>
    <name>prismora::PaletteList</name>
    <message numerus="yes">
        <source>%1, %n kvar</source>
        <translation>
            <numerusform>%1, %n left</numerusform>
            <numerusform>%1, %n left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>prismora::UserDialogs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Fråga</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nej</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Spara</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Öppna</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Spara som</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Leta i:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Filnamn:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Filformat:</source>
        <translation>File type:</translation>
    </message>
</context>
<context>
    <name>prismora::Workbench</name>
    <message>
        <source>Arbetsbänk</source>
        <translation>Workbench</translation>
    </message>
    <message>
        <source>Visa</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Visa två lösningar i tur och ordning</source>
        <translation>Show two solutions in turn</translation>
    </message>
    <message>
        <source>Bomb vid start</source>
        <translation>Bomb at start</translation>
    </message>
    <message>
        <source>Mått på en bra bana</source>
        <translation>Measures of a good level</translation>
    </message>
    <message>
        <source>Dölj analys</source>
        <translation>Hide analysis</translation>
    </message>
    <message>
        <source>Analyserar...</source>
        <translation>Analysing...</translation>
    </message>
    <message>
        <source>Öppna redigeraren för att analysera en bana</source>
        <translation>Open the editor to analyse a level</translation>
    </message>
    <message>
        <source>Okänt: sökningen räckte inte</source>
        <translation>Unknown: the search ran out</translation>
    </message>
    <message>
        <source>minst %1 lösningar</source>
        <translation>at least %1 solutions</translation>
    </message>
    <message>
        <source>Olösbar</source>
        <translation>Unsolvable</translation>
    </message>
    <message>
        <source>Olösbar: ingen lampa att tända</source>
        <translation>Unsolvable: no lamp to light</translation>
    </message>
    <message>
        <source>1 lösning</source>
        <translation>1 solution</translation>
    </message>
    <message>
        <source>%1 lösningar</source>
        <translation>%1 solutions</translation>
    </message>
    <message>
        <source>Alla lösningar är räknade</source>
        <translation>Every solution is counted</translation>
    </message>
    <message>
        <source>Inte alla lösningar är räknade</source>
        <translation>Not every solution is counted</translation>
    </message>
    <message>
        <source>Färst bitar: %1</source>
        <translation>Fewest pieces: %1</translation>
    </message>
    <message>
        <source>Färst bitar: okänt</source>
        <translation>Fewest pieces: unknown</translation>
    </message>
    <message>
        <source>Svårighet: %1</source>
        <translation>Difficulty: %1</translation>
    </message>
    <message>
        <source>Svårighet: okänd</source>
        <translation>Difficulty: unknown</translation>
    </message>
    <message>
        <source>Visa (lösning %1 av 2)</source>
        <translation>Show (solution %1 of 2)</translation>
    </message>
</context>
</TS>
