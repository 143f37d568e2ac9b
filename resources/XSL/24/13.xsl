<?xml version="1.0" encoding="UTF-8"?>
<!-- IFT-1R(13): the module's document of a payer's yearly information on the income of a person without
     residence in Poland, from which it withheld flat-rate tax, becomes the tax authority's document. The
     official namespace of the variant is not at hand: the document carries the project's namespace, whose
     schema the project writes (schemas/IFT-1R_13). Amounts arrive as the user's regional settings wrote
     them ("4666,5" or "4666.5"); a row of income leaves with its income in two decimals and its rate and
     tax in whole numbers, a row without income is left out, and the totals are always written. The
     taxpayer is named by his foreign number; his address is Polish when its country is PL. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:deklaracje:wzor:IFT-1R-13/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="IFT-1/IFT-1R (13)" kodPodatku="PIT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">IFT-1/IFT-1R</KodFormularza>
        <WariantFormularza>13</WariantFormularza>
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
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="26"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="29"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="32"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="35"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="38"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="41"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="44"/></xsl:call-template>
        <xsl:call-template name="wiersz"><xsl:with-param name="n" select="47"/></xsl:call-template>
        <xsl:call-template name="wymagana"><xsl:with-param name="nazwa" select="'P_50'"/></xsl:call-template>
        <xsl:call-template name="wymagana"><xsl:with-param name="nazwa" select="'P_51'"/><xsl:with-param name="wzorzec" select="'0'"/></xsl:call-template>
      </PozycjeSzczegolowe>
      <Pouczenie>1</Pouczenie>
    </Deklaracja>
  </xsl:template>

  <!-- The taxpayer: by his foreign number when he has one, otherwise by NIP or PESEL. -->
  <xsl:template name="podatnik">
    <xsl:variable name="id" select="normalize-space($s/P_9)"/>
    <xsl:choose>
      <xsl:when test="normalize-space($s/P_10) != ''">
        <OsobaZagraniczna>
          <ImiePierwsze><xsl:value-of select="normalize-space($s/P_14)"/></ImiePierwsze>
          <Nazwisko><xsl:value-of select="normalize-space($s/P_13)"/></Nazwisko>
          <DataUrodzenia><xsl:value-of select="normalize-space($s/P_15)"/></DataUrodzenia>
          <NrId><xsl:value-of select="normalize-space($s/P_10)"/></NrId>
          <xsl:variable name="rodzaj" select="normalize-space($s/P_11)"/>
          <xsl:if test="$rodzaj != '' and $rodzaj != '0'"><RodzajNrId><xsl:value-of select="$rodzaj"/></RodzajNrId></xsl:if>
          <KodKrajuWydania><xsl:value-of select="normalize-space($s/P_12)"/></KodKrajuWydania>
        </OsobaZagraniczna>
      </xsl:when>
      <xsl:otherwise>
        <OsobaFizyczna>
          <xsl:choose>
            <xsl:when test="string-length($id) = 10"><etd:NIP><xsl:value-of select="$id"/></etd:NIP></xsl:when>
            <xsl:otherwise><etd:PESEL><xsl:value-of select="$id"/></etd:PESEL></xsl:otherwise>
          </xsl:choose>
          <etd:ImiePierwsze><xsl:value-of select="normalize-space($s/P_14)"/></etd:ImiePierwsze>
          <etd:Nazwisko><xsl:value-of select="normalize-space($s/P_13)"/></etd:Nazwisko>
          <etd:DataUrodzenia><xsl:value-of select="normalize-space($s/P_15)"/></etd:DataUrodzenia>
        </OsobaFizyczna>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The address of residence, Polish (every part but the street and the flat required) or foreign. -->
  <xsl:template name="adres">
    <AdresZamieszkania rodzajAdresu="RAD">
      <xsl:choose>
        <xsl:when test="normalize-space($s/P_16) = 'PL' or normalize-space($s/P_16) = ''">
          <etd:AdresPol>
            <etd:KodKraju>PL</etd:KodKraju>
            <etd:Wojewodztwo><xsl:value-of select="normalize-space($s/P_17)"/></etd:Wojewodztwo>
            <etd:Powiat><xsl:value-of select="normalize-space($s/P_18)"/></etd:Powiat>
            <etd:Gmina><xsl:value-of select="normalize-space($s/P_19)"/></etd:Gmina>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_20'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <etd:NrDomu><xsl:value-of select="normalize-space($s/P_21)"/></etd:NrDomu>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_22'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_23)"/></etd:Miejscowosc>
            <etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_24)"/></etd:KodPocztowy>
            <etd:Poczta><xsl:value-of select="normalize-space($s/P_25)"/></etd:Poczta>
          </etd:AdresPol>
        </xsl:when>
        <xsl:otherwise>
          <etd:AdresZagr>
            <etd:KodKraju><xsl:value-of select="normalize-space($s/P_16)"/></etd:KodKraju>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_24'"/><xsl:with-param name="element" select="'KodPocztowy'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_23)"/></etd:Miejscowosc>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_20'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_21'"/><xsl:with-param name="element" select="'NrDomu'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_22'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
          </etd:AdresZagr>
        </xsl:otherwise>
      </xsl:choose>
    </AdresZamieszkania>
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

  <!-- A field's amount as a number (a decimal comma or point); NaN for no number. -->
  <xsl:template name="liczba">
    <xsl:param name="nazwa"/>
    <xsl:value-of select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
  </xsl:template>

  <!-- A required amount, written also when it is 0: two decimals, or whole złoty for the pattern '0'. -->
  <xsl:template name="wymagana">
    <xsl:param name="nazwa"/>
    <xsl:param name="wzorzec" select="'0.00'"/>
    <xsl:variable name="liczba"><xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template></xsl:variable>
    <xsl:element name="{$nazwa}">
      <xsl:choose>
        <xsl:when test="number($liczba) != number($liczba)"><xsl:value-of select="format-number(0, $wzorzec)"/></xsl:when>
        <xsl:when test="$wzorzec = '0'"><xsl:value-of select="format-number(round(number($liczba)), '0')"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="format-number(number($liczba), $wzorzec)"/></xsl:otherwise>
      </xsl:choose>
    </xsl:element>
  </xsl:template>

  <!-- A row of part D from position n: the income (two decimals), the rate in per cent and the tax
       withheld in whole złoty, written when the row has an income. -->
  <xsl:template name="wiersz">
    <xsl:param name="n"/>
    <xsl:variable name="przychod"><xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="concat('P_', $n)"/></xsl:call-template></xsl:variable>
    <xsl:if test="number($przychod) = number($przychod) and number($przychod) != 0">
      <xsl:call-template name="wymagana"><xsl:with-param name="nazwa" select="concat('P_', $n)"/></xsl:call-template>
      <xsl:call-template name="wymagana"><xsl:with-param name="nazwa" select="concat('P_', $n + 1)"/><xsl:with-param name="wzorzec" select="'0'"/></xsl:call-template>
      <xsl:call-template name="wymagana"><xsl:with-param name="nazwa" select="concat('P_', $n + 2)"/><xsl:with-param name="wzorzec" select="'0'"/></xsl:call-template>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
