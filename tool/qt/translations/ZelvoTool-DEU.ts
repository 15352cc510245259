<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../about_dialog.cpp" line="8"/>
        <source>About ZelvoTool</source>
        <translation>Über ZelvoTool</translation>
    </message>
    <message>
        <location filename="../about_dialog.cpp" line="10"/>
        <source>ZelvoTool Web Browser</source>
        <translation>ZelvoTool Webbrowser</translation>
    </message>
    <message>
        <location filename="../about_dialog.cpp" line="11"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../main_frame.cpp" line="53"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="56"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="60"/>
        <source>Product Info</source>
        <translation>Produktinfo</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="60"/>
        <source>Product Information</source>
        <translation>Produktinformationen</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="61"/>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="61"/>
        <source>Product Support</source>
        <translation>Produktsupport</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="62"/>
        <source>Webboard</source>
        <translation>Webforum</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="62"/>
        <source>Community Webboard</source>
        <translation>Community-Webforum</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="63"/>
        <source>Orvane Systems Home Page</source>
        <translation>Orvane Systems Homepage</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="70"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="71"/>
        <source>Go Back One Page</source>
        <translation>Eine Seite zurück</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="74"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="75"/>
        <source>Go Forward One Page</source>
        <translation>Eine Seite vorwärts</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="78"/>
        <source>&amp;About ZelvoTool...</source>
        <translation>Ü&amp;ber ZelvoTool...</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="83"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="88"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="89"/>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="96"/>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="98"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="100"/>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="107"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="121"/>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="121"/>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="121"/>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <location filename="../main_frame.cpp" line="127"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>CountryName</name>
    <message>
        <location filename="../country_names.cpp" line="16"/>
        <source>Afghanistan</source>
        <translation>Afghanistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="17"/>
        <source>Albania</source>
        <translation>Albanien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="18"/>
        <source>Algeria</source>
        <translation>Algerien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="19"/>
        <source>American Samoa</source>
        <translation>Amerikanisch-Samoa</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="20"/>
        <source>Angola</source>
        <translation>Angola</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="21"/>
        <source>Anguilla</source>
        <translation>Anguilla</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="22"/>
        <source>Antarctica</source>
        <translation>Antarktis</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="23"/>
        <source>Antigua and Barbuda</source>
        <translation>Antigua und Barbuda</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="24"/>
        <source>Argentina</source>
        <translation>Argentinien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="25"/>
        <source>Armenia</source>
        <translation>Armenien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="26"/>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="27"/>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="28"/>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="29"/>
        <source>Azerbaijan</source>
        <translation>Aserbaidschan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="30"/>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="31"/>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="32"/>
        <source>Bangladesh</source>
        <translation>Bangladesch</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="33"/>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="34"/>
        <source>Belarus</source>
        <translation>Weißrussland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="35"/>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="36"/>
        <source>Belize</source>
        <translation>Belize</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="37"/>
        <source>Benin</source>
        <translation>Benin</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="38"/>
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="39"/>
        <source>Bhutan</source>
        <translation>Bhutan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="40"/>
        <source>Bolivia</source>
        <translation>Bolivien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="41"/>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="42"/>
        <source>Botswana</source>
        <translation>Botsuana</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="43"/>
        <source>Bouvet Island</source>
        <translation>Bouvetinsel</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="44"/>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="45"/>
        <source>British Indian Ocean Territory</source>
        <translation>Britisches Territorium im Indischen Ozean</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="46"/>
        <source>Brunei</source>
        <translation>Brunei</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="47"/>
        <source>Bulgaria</source>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="48"/>
        <source>Burkina Faso</source>
        <translation>Burkina Faso</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="49"/>
        <source>Burundi</source>
        <translation>Burundi</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="50"/>
        <source>Cambodia</source>
        <translation>Kambodscha</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="51"/>
        <source>Cameroon</source>
        <translation>Kamerun</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="52"/>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="53"/>
        <source>Cape Verde</source>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="54"/>
        <source>Cayman Islands</source>
        <translation>Kaimaninseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="55"/>
        <source>Central African Republic</source>
        <translation>Zentralafrikanische Republik</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="56"/>
        <source>Chad</source>
        <translation>Tschad</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="57"/>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="58"/>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="59"/>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="60"/>
        <source>Macau</source>
        <translation>Macau</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="61"/>
        <source>Christmas Island</source>
        <translation>Weihnachtsinsel</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="62"/>
        <source>Cocos (Keeling) Islands</source>
        <translation>Kokosinseln (Keeling)</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="63"/>
        <source>Colombia</source>
        <translation>Kolumbien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="64"/>
        <source>Comoros</source>
        <translation>Komoren</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="65"/>
        <source>Congo</source>
        <translation>Kongo</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="66"/>
        <source>Congo, Democractic Republic of the </source>
        <translation>Kongo, Demokratische Republik</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="67"/>
        <source>Cook Islands</source>
        <translation>Cookinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="68"/>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="69"/>
        <source>Cote D&apos;Ivoire</source>
        <translation>Elfenbeinküste</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="70"/>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="71"/>
        <source>Cuba</source>
        <translation>Kuba</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="72"/>
        <source>Cyprus</source>
        <translation>Zypern</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="73"/>
        <source>Czech Republic</source>
        <translation>Tschechische Republik</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="74"/>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="75"/>
        <source>Djibouti</source>
        <translation>Dschibuti</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="76"/>
        <source>Dominica</source>
        <translation>Dominica</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="77"/>
        <source>Dominican Republic</source>
        <translation>Dominikanische Republik</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="78"/>
        <source>East Timor</source>
        <translation>Osttimor</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="79"/>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="80"/>
        <source>Egypt</source>
        <translation>Ägypten</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="81"/>
        <source>El Salvador</source>
        <translation>El Salvador</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="82"/>
        <source>Equatorial Guinea</source>
        <translation>Äquatorialguinea</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="83"/>
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="84"/>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="85"/>
        <source>Ethiopia</source>
        <translation>Äthiopien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="86"/>
        <source>Falkland Islands (Malvinas)</source>
        <translation>Falklandinseln (Malwinen)</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="87"/>
        <source>Faroe Islands</source>
        <translation>Färöer</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="88"/>
        <source>Fiji Islands</source>
        <translation>Fidschi-Inseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="89"/>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="90"/>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="91"/>
        <source>Gabon</source>
        <translation>Gabun</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="92"/>
        <source>Gambia</source>
        <translation>Gambia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="93"/>
        <source>Georgia</source>
        <translation>Georgien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="94"/>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="95"/>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="96"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="97"/>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="98"/>
        <source>Greenland</source>
        <translation>Grönland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="99"/>
        <source>Grenada</source>
        <translation>Grenada</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="100"/>
        <source>Guadeloupe</source>
        <translation>Guadeloupe</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="101"/>
        <source>Guam</source>
        <translation>Guam</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="102"/>
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="103"/>
        <source>Guinea</source>
        <translation>Guinea</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="104"/>
        <source>Guinea-Bissau</source>
        <translation>Guinea-Bissau</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="105"/>
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="106"/>
        <source>Haiti</source>
        <translation>Haiti</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="107"/>
        <source>Heard and McDonald Islands</source>
        <translation>Heard und McDonaldinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="108"/>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="109"/>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="110"/>
        <source>Iceland</source>
        <translation>Island</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="111"/>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="112"/>
        <source>Indonesia</source>
        <translation>Indonesien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="113"/>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="114"/>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="115"/>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="116"/>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="117"/>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="118"/>
        <source>Jamaica</source>
        <translation>Jamaika</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="119"/>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="120"/>
        <source>Jordan</source>
        <translation>Jordanien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="121"/>
        <source>Kazakhstan</source>
        <translation>Kasachstan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="122"/>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="123"/>
        <source>Kiribati</source>
        <translation>Kiribati</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="124"/>
        <source>Korea</source>
        <translation>Korea</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="125"/>
        <source>Korea, North</source>
        <translation>Korea, Nord</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="126"/>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="127"/>
        <source>Kyrgyzstan</source>
        <translation>Kirgisistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="128"/>
        <source>Laos</source>
        <translation>Laos</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="129"/>
        <source>Latvia</source>
        <translation>Lettland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="130"/>
        <source>Lebanon</source>
        <translation>Libanon</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="131"/>
        <source>Lesotho</source>
        <translation>Lesotho</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="132"/>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="133"/>
        <source>Libya</source>
        <translation>Libyen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="134"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="135"/>
        <source>Lithuania</source>
        <translation>Litauen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="136"/>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="137"/>
        <source>Macedonia</source>
        <translation>Mazedonien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="138"/>
        <source>Madagascar</source>
        <translation>Madagaskar</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="139"/>
        <source>Malawi</source>
        <translation>Malawi</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="140"/>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="141"/>
        <source>Maldives</source>
        <translation>Malediven</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="142"/>
        <source>Mali</source>
        <translation>Mali</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="143"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="144"/>
        <source>Marshall Islands</source>
        <translation>Marshallinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="145"/>
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="146"/>
        <source>Mauritania</source>
        <translation>Mauretanien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="147"/>
        <source>Mauritius</source>
        <translation>Mauritius</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="148"/>
        <source>Mayotte</source>
        <translation>Mayotte</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="149"/>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="150"/>
        <source>Micronesia</source>
        <translation>Mikronesien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="151"/>
        <source>Moldova</source>
        <translation>Moldawien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="152"/>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="153"/>
        <source>Mongolia</source>
        <translation>Mongolei</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="154"/>
        <source>Montserrat</source>
        <translation>Montserrat</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="155"/>
        <source>Morocco</source>
        <translation>Marokko</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="156"/>
        <source>Mozambique</source>
        <translation>Mosambik</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="157"/>
        <source>Myanmar</source>
        <translation>Myanmar</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="158"/>
        <source>Namibia</source>
        <translation>Namibia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="159"/>
        <source>Nauru</source>
        <translation>Nauru</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="160"/>
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="161"/>
        <source>Netherlands Antilles</source>
        <translation>Niederländische Antillen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="162"/>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="163"/>
        <source>New Caledonia</source>
        <translation>Neukaledonien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="164"/>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="165"/>
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="166"/>
        <source>Niger</source>
        <translation>Niger</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="167"/>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="168"/>
        <source>Niue</source>
        <translation>Niue</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="169"/>
        <source>Norfolk Island</source>
        <translation>Norfolkinsel</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="170"/>
        <source>Northern Mariana Islands</source>
        <translation>Nördliche Marianen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="171"/>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="172"/>
        <source>Oman</source>
        <translation>Oman</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="173"/>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="174"/>
        <source>Palau</source>
        <translation>Palau</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="175"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="176"/>
        <source>Papua new Guinea</source>
        <translation>Papua-Neuguinea</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="177"/>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="178"/>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="179"/>
        <source>Philippines</source>
        <translation>Philippinen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="180"/>
        <source>Pitcairn Island</source>
        <translation>Pitcairninseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="181"/>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="182"/>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="183"/>
        <source>Puerto Rico</source>
        <translation>Puerto Rico</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="184"/>
        <source>Qatar</source>
        <translation>Katar</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="185"/>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="186"/>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="187"/>
        <source>Rwanda</source>
        <translation>Ruanda</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="188"/>
        <source>Saint Helena</source>
        <translation>St. Helena</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="189"/>
        <source>Saint Kitts And Nevis</source>
        <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="190"/>
        <source>Saint Lucia</source>
        <translation>St. Lucia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="191"/>
        <source>Saint Pierre and Miquelon</source>
        <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="192"/>
        <source>Saint Vincent And The Grenadines</source>
        <translation>St. Vincent und die Grenadinen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="193"/>
        <source>Samoa</source>
        <translation>Samoa</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="194"/>
        <source>Sao Tome and Principe</source>
        <translation>São Tomé und Príncipe</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="195"/>
        <source>Saudi Arabia</source>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="196"/>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="197"/>
        <source>Seychelles</source>
        <translation>Seychellen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="198"/>
        <source>Sierra Leone</source>
        <translation>Sierra Leone</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="199"/>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="200"/>
        <source>Slovakia</source>
        <translation>Slowakei</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="201"/>
        <source>Slovenia</source>
        <translation>Slowenien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="202"/>
        <source>Solomon Islands</source>
        <translation>Salomonen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="203"/>
        <source>Somalia</source>
        <translation>Somalia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="204"/>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="205"/>
        <source>South Georgia And The South Sandwich Islands</source>
        <translation>Südgeorgien und die Südlichen Sandwichinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="206"/>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="207"/>
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="208"/>
        <source>Sudan</source>
        <translation>Sudan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="209"/>
        <source>Suriname</source>
        <translation>Suriname</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="210"/>
        <source>Svalbard And Jan Mayen Islands</source>
        <translation>Svalbard und Jan Mayen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="211"/>
        <source>Swaziland</source>
        <translation>Swasiland</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="212"/>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="213"/>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="214"/>
        <source>Syria</source>
        <translation>Syrien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="215"/>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="216"/>
        <source>Tajikistan</source>
        <translation>Tadschikistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="217"/>
        <source>Tanzania</source>
        <translation>Tansania</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="218"/>
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="219"/>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="220"/>
        <source>Tokelau</source>
        <translation>Tokelau</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="221"/>
        <source>Tonga</source>
        <translation>Tonga</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="222"/>
        <source>Trinidad And Tobago</source>
        <translation>Trinidad und Tobago</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="223"/>
        <source>Tunisia</source>
        <translation>Tunesien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="224"/>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="225"/>
        <source>Turkmenistan</source>
        <translation>Turkmenistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="226"/>
        <source>Turks And Caicos Islands</source>
        <translation>Turks- und Caicosinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="227"/>
        <source>Tuvalu</source>
        <translation>Tuvalu</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="228"/>
        <source>Uganda</source>
        <translation>Uganda</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="229"/>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="230"/>
        <source>United Arab Emirates</source>
        <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="231"/>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="232"/>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="233"/>
        <source>United States Minor Outlying Islands</source>
        <translation>Kleinere Amerikanische Überseeinseln</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="234"/>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="235"/>
        <source>Uzbekistan</source>
        <translation>Usbekistan</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="236"/>
        <source>Vanuatu</source>
        <translation>Vanuatu</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="237"/>
        <source>Vatican City State (Holy See)</source>
        <translation>Vatikanstadt (Heiliger Stuhl)</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="238"/>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="239"/>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="240"/>
        <source>Virgin Islands (British)</source>
        <translation>Jungferninseln (Britisch)</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="241"/>
        <source>Virgin Islands (US)</source>
        <translation>Jungferninseln (US)</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="242"/>
        <source>Wallis And Futuna Islands</source>
        <translation>Wallis und Futuna</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="243"/>
        <source>Western Sahara</source>
        <translation>Westsahara</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="244"/>
        <source>Yemen</source>
        <translation>Jemen</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="245"/>
        <source>Yugoslavia</source>
        <translation>Jugoslawien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="246"/>
        <source>Zambia</source>
        <translation>Sambia</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="247"/>
        <source>Zimbabwe</source>
        <translation>Simbabwe</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="248"/>
        <source>Palestinian State</source>
        <translation>Palästinensischer Staat</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="249"/>
        <source>Serbia</source>
        <translation>Serbien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="250"/>
        <source>French Southern Territories</source>
        <translation>Französische Süd- und Antarktisgebiete</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="251"/>
        <source>Réunion</source>
        <translation>Réunion</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="252"/>
        <source>Andorra</source>
        <translation>Andorra</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="253"/>
        <source>French Guiana</source>
        <translation>Französisch-Guayana</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="254"/>
        <source>French Polynesia</source>
        <translation>Französisch-Polynesien</translation>
    </message>
    <message>
        <location filename="../country_names.cpp" line="255"/>
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
</context>
<context>
    <name>ZelvoToolApp</name>
    <message>
        <source>The window components (OLE) could not be started.</source>
        <translation>Die Fensterkomponenten (OLE) konnten nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../zelvo_tool_app.cpp" line="194"/>
        <source>Unable to create user registry</source>
        <translation>Die Benutzereinstellungen können nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../zelvo_tool_app.cpp" line="197"/>
        <source>Unable to write to user registry</source>
        <translation>Die Benutzereinstellungen können nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>Cannot access Crypto API</source>
        <translation>Kein Zugriff auf den Kryptodienst</translation>
    </message>
    <message>
        <source>Cannot write to Zelvo file</source>
        <translation>Die Zelvo-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open Zelvo file</source>
        <translation>Die Zelvo-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read from Zelvo file</source>
        <translation>Die Zelvo-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Bad Data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>Bad file mode</source>
        <translation>Falscher Dateimodus</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Bad checksum in Zelvo data</source>
        <translation>Falsche Prüfsumme in den Zelvo-Daten</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Invalid parameters</source>
        <translation>Ungültige Parameter</translation>
    </message>
    <message>
        <source>Item not found</source>
        <translation>Eintrag nicht gefunden</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
    <message>
        <source>An Internet connection could not be established.</source>
        <translation>Es konnte keine Internetverbindung hergestellt werden.</translation>
    </message>
    <message>
        <source>Error starting the ZelvoTool application.</source>
        <translation>Fehler beim Starten der Anwendung ZelvoTool.</translation>
    </message>
    <message>
        <source>Cannot start ZelvoTool, access denied.</source>
        <translation>ZelvoTool kann nicht gestartet werden, Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Missing dataKey parameter</source>
        <translation>Parameter dataKey fehlt</translation>
    </message>
    <message>
        <source>Missing dataString parameter</source>
        <translation>Parameter dataString fehlt</translation>
    </message>
</context>
</TS>
