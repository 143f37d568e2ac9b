<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT-11(21): the module's document of a payer's yearly information on one taxpayer becomes the tax
     authority's document (namespace http://crd.gov.pl/wzor/2014/12/08/1887/). Amounts arrive as the
     user's regional settings wrote them ("4666,5" or "4666.5") and leave with two decimals (advances in
     whole złoty); every amount always but the exempt foreign revenue of part F, which is written only when not 0. The taxpayer is named by NIP (ten
     digits) or PESEL (eleven); this variant knows no foreign number; his address is Polish when its country is PL. The payer
     and the taxpayer are written with the etd types of 2011/06/21, the taxpayer and his address whole in their namespace. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2014/12/08/1887/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="PIT-11 (21)" kodPodatku="PIT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">PIT-11</KodFormularza>
        <WariantFormularza>21</WariantFormularza>
        <CelZlozenia poz="P_6"><xsl:value-of select="normalize-space($s/P_6)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_4)"/></Rok>
        <KodUrzedu><xsl:value-of select="normalize-space($s/KodUrzedu)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Płatnik">
        <xsl:choose>
          <xsl:when test="normalize-space($s/P_7) = '2'">
            <etd:OsobaFizyczna>
              <etd:NIP><xsl:value-of select="$s/Nip"/></etd:NIP>
              <etd:ImiePierwsze><xsl:value-of select="normalize-space($s/ImiePierwsze)"/></etd:ImiePierwsze>
              <etd:Nazwisko><xsl:value-of select="normalize-space($s/Nazwisko)"/></etd:Nazwisko>
              <etd:DataUrodzenia><xsl:value-of select="normalize-space($s/DataUrodzenia)"/></etd:DataUrodzenia>
            </etd:OsobaFizyczna>
          </xsl:when>
          <xsl:otherwise>
            <etd:OsobaNiefizyczna>
              <etd:NIP><xsl:value-of select="$s/Nip"/></etd:NIP>
              <etd:PelnaNazwa><xsl:value-of select="normalize-space($s/PelnaNazwa)"/></etd:PelnaNazwa>
              <xsl:if test="normalize-space($s/REGON) != ''">
                <etd:REGON><xsl:value-of select="normalize-space($s/REGON)"/></etd:REGON>
              </xsl:if>
            </etd:OsobaNiefizyczna>
          </xsl:otherwise>
        </xsl:choose>
      </Podmiot1>
      <Podmiot2 rola="Podatnik">
        <xsl:call-template name="podatnik"/>
        <xsl:call-template name="adres"/>
      </Podmiot2>
      <PozycjeSzczegolowe>
        <xsl:variable name="koszty" select="normalize-space($s/P_24)"/>
        <xsl:if test="$koszty = '1' or $koszty = '2' or $koszty = '3' or $koszty = '4'">
          <P_24><xsl:value-of select="$koszty"/></P_24>
        </xsl:if>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_25'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_26'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_27'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_28'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_29'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_30'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_31'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_32'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_33'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_34'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_35'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_36'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_37'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_38'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_39'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_40'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_41'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_42'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_43'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_44'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_45'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_46'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_47'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_48'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_49'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_50'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_51'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_52'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_53'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_54'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_55'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_56'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_57'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_58'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_59'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_60'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_61'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_62'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_63'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_64'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_65'"/><xsl:with-param name="wzorzec" select="'0'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_66'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_67'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_68'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_69'"/><xsl:with-param name="zawsze" select="true()"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_70'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_71'"/></xsl:call-template>
        <P_72><xsl:choose><xsl:when test="normalize-space($s/P_72) = '1'">1</xsl:when><xsl:otherwise>2</xsl:otherwise></xsl:choose></P_72>
      </PozycjeSzczegolowe>
      <Pouczenie>Za uchybienie obowiązkom płatnika grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.</Pouczenie>
    </Deklaracja>
  </xsl:template>

  <!-- The taxpayer by NIP or PESEL. -->
  <xsl:template name="podatnik">
    <etd:OsobaFizyczna>
      <xsl:call-template name="identyfikator"><xsl:with-param name="id" select="normalize-space($s/P_10)"/></xsl:call-template>
    </etd:OsobaFizyczna>
  </xsl:template>

  <!-- NIP (ten digits) or PESEL, then the name and the date of birth. -->
  <xsl:template name="identyfikator">
    <xsl:param name="id"/>
    <xsl:choose>
      <xsl:when test="string-length($id) = 10"><etd:NIP><xsl:value-of select="$id"/></etd:NIP></xsl:when>
      <xsl:otherwise><etd:PESEL><xsl:value-of select="$id"/></etd:PESEL></xsl:otherwise>
    </xsl:choose>
    <etd:ImiePierwsze><xsl:value-of select="normalize-space($s/P_12)"/></etd:ImiePierwsze>
    <etd:Nazwisko><xsl:value-of select="normalize-space($s/P_11)"/></etd:Nazwisko>
    <etd:DataUrodzenia><xsl:value-of select="normalize-space($s/P_13)"/></etd:DataUrodzenia>
  </xsl:template>

  <!-- The address of residence, Polish (every part but the street and the flat required) or foreign. -->
  <xsl:template name="adres">
    <xsl:element name="etd:AdresZamieszkania">
      <xsl:attribute name="rodzajAdresu">RAD</xsl:attribute>
      <xsl:choose>
        <xsl:when test="normalize-space($s/P_14) = 'PL' or normalize-space($s/P_14) = ''">
          <etd:AdresPol>
            <etd:KodKraju>PL</etd:KodKraju>
            <etd:Wojewodztwo><xsl:value-of select="normalize-space($s/P_15)"/></etd:Wojewodztwo>
            <etd:Powiat><xsl:value-of select="normalize-space($s/P_16)"/></etd:Powiat>
            <etd:Gmina><xsl:value-of select="normalize-space($s/P_17)"/></etd:Gmina>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_18'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <etd:NrDomu><xsl:value-of select="normalize-space($s/P_19)"/></etd:NrDomu>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_20'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_21)"/></etd:Miejscowosc>
            <etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_22)"/></etd:KodPocztowy>
            <etd:Poczta><xsl:value-of select="normalize-space($s/P_23)"/></etd:Poczta>
          </etd:AdresPol>
        </xsl:when>
        <xsl:otherwise>
          <etd:AdresZagr>
            <etd:KodKraju><xsl:value-of select="normalize-space($s/P_14)"/></etd:KodKraju>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_22'"/><xsl:with-param name="element" select="'KodPocztowy'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_21)"/></etd:Miejscowosc>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_18'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_19'"/><xsl:with-param name="element" select="'NrDomu'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_20'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
          </etd:AdresZagr>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:element>
  </xsl:template>

  <!-- An optional etd text element, written when its field is not empty. -->
  <xsl:template name="tekst">
    <xsl:param name="pole"/>
    <xsl:param name="element"/>
    <xsl:variable name="wartosc" select="normalize-space(key('pole', $pole))"/>
    <xsl:if test="$wartosc != ''">
      <xsl:element name="etd:{$element}"><xsl:value-of select="$wartosc"/></xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- A field's amount with two decimals (`wzorzec` '0': in whole złoty), written when not 0 or, with `zawsze`,
       always (0 for an empty field or one that is no number). -->
  <xsl:template name="kwota">
    <xsl:param name="nazwa"/>
    <xsl:param name="wzorzec" select="'0.00'"/>
    <xsl:param name="zawsze" select="false()"/>
    <xsl:variable name="tekst" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:if test="$zawsze or ($tekst = $tekst and $tekst != 0)">
      <xsl:element name="{$nazwa}">
        <xsl:choose>
          <xsl:when test="$tekst != $tekst"><xsl:value-of select="format-number(0, $wzorzec)"/></xsl:when>
          <xsl:when test="$wzorzec = '0'"><xsl:value-of select="format-number(round($tekst), '0')"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="format-number($tekst, $wzorzec)"/></xsl:otherwise>
        </xsl:choose>
      </xsl:element>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
