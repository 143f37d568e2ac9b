<?xml version="1.0" encoding="UTF-8"?>
<!-- IFT-1(13): the module's document of a payer's information, made at the taxpayer's request, on the income
     of a person without residence in Poland, from which it withheld flat-rate tax, becomes the tax
     authority's document of the variant IFT-1/IFT-1R (13) in its kind on request (namespace
     http://crd.gov.pl/wzor/2016/01/20/3129/), with the date of the request (position 75). Amounts arrive as
     the user's regional settings wrote them ("4666,5" or "4666.5") and leave with two decimals; a row of
     part D is written when it holds an amount, with all four of its positions. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2016/01/20/3129/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodPodatku="PIT" kodSystemowy="IFT-1 (13)" rodzajZobowiazania="Z" wersjaSchemy="1-0E">IFT-1/IFT-1R</KodFormularza>
        <WariantFormularza>13</WariantFormularza>
        <CelZlozenia poz="P_7"><xsl:value-of select="normalize-space($s/P_7)"/></CelZlozenia>
        <OkresOd poz="P_4"><xsl:value-of select="normalize-space($s/P_4)"/></OkresOd>
        <OkresDo poz="P_5"><xsl:value-of select="normalize-space($s/P_5)"/></OkresDo>
        <KodUrzedu><xsl:value-of select="normalize-space($s/KodUrzedu)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Płatnik/Podmiot Wypłacający">
        <xsl:call-template name="platnik"/>
      </Podmiot1>
      <Podmiot2 rola="Odbiorca Należności">
        <xsl:call-template name="podatnik"/>
      </Podmiot2>
      <PozycjeSzczegolowe>
        <xsl:call-template name="wiersze"><xsl:with-param name="n" select="35"/></xsl:call-template>
        <xsl:call-template name="data"><xsl:with-param name="nazwa" select="'P_75'"/></xsl:call-template>
        <P_76><xsl:value-of select="normalize-space($s/P_76)"/></P_76>
      </PozycjeSzczegolowe>
      <Pouczenie>Za uchybienie obowiązkom płatnika/podmiotu grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym. [The infringement of tax remitter/entity duties shall be subject to the sanctions provided for the Fiscal Penal Code].</Pouczenie>
    </Deklaracja>
  </xsl:template>

  <!-- The payer: a person or an entity, with the Polish address of residence or seat. -->
  <xsl:template name="platnik">
    <xsl:choose>
      <xsl:when test="normalize-space($s/P_8) = '2'">
        <OsobaFizyczna>
          <NIP><xsl:value-of select="$s/Nip"/></NIP>
          <ImiePierwsze><xsl:value-of select="normalize-space($s/ImiePierwsze)"/></ImiePierwsze>
          <Nazwisko><xsl:value-of select="normalize-space($s/Nazwisko)"/></Nazwisko>
          <DataUrodzenia><xsl:value-of select="normalize-space($s/DataUrodzenia)"/></DataUrodzenia>
        </OsobaFizyczna>
      </xsl:when>
      <xsl:otherwise>
        <OsobaNiefizyczna>
          <etd:NIP><xsl:value-of select="$s/Nip"/></etd:NIP>
          <etd:PelnaNazwa><xsl:value-of select="normalize-space($s/PelnaNazwa)"/></etd:PelnaNazwa>
          <xsl:if test="normalize-space($s/REGON) != ''">
            <etd:REGON><xsl:value-of select="normalize-space($s/REGON)"/></etd:REGON>
          </xsl:if>
        </OsobaNiefizyczna>
      </xsl:otherwise>
    </xsl:choose>
    <AdresZamieszkaniaSiedziby rodzajAdresu="RAD">
      <etd:AdresPol>
        <etd:KodKraju>PL</etd:KodKraju>
        <etd:Wojewodztwo><xsl:value-of select="normalize-space($s/P_11)"/></etd:Wojewodztwo>
        <etd:Powiat><xsl:value-of select="normalize-space($s/P_12)"/></etd:Powiat>
        <etd:Gmina><xsl:value-of select="normalize-space($s/P_13)"/></etd:Gmina>
        <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_14'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
        <etd:NrDomu><xsl:value-of select="normalize-space($s/P_15)"/></etd:NrDomu>
        <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_16'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
        <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_17)"/></etd:Miejscowosc>
        <etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_18)"/></etd:KodPocztowy>
        <etd:Poczta><xsl:value-of select="normalize-space($s/P_19)"/></etd:Poczta>
      </etd:AdresPol>
    </AdresZamieszkaniaSiedziby>
  </xsl:template>

  <!-- The recipient: a foreign person named by the number of his country of residence, and his address. -->
  <xsl:template name="podatnik">
    <OsobaFizZagr>
      <ImiePierwsze><xsl:value-of select="normalize-space($s/P_21)"/></ImiePierwsze>
      <Nazwisko><xsl:value-of select="normalize-space($s/P_20)"/></Nazwisko>
      <DataUrodzenia><xsl:value-of select="normalize-space($s/P_24)"/></DataUrodzenia>
      <MiejsceUrodzenia><xsl:value-of select="normalize-space($s/P_25)"/></MiejsceUrodzenia>
      <xsl:if test="normalize-space($s/P_22) != ''"><ImieOjca><xsl:value-of select="normalize-space($s/P_22)"/></ImieOjca></xsl:if>
      <xsl:if test="normalize-space($s/P_23) != ''"><ImieMatki><xsl:value-of select="normalize-space($s/P_23)"/></ImieMatki></xsl:if>
      <NrId poz="P_26"><xsl:value-of select="normalize-space($s/P_26)"/></NrId>
      <xsl:variable name="rodzaj" select="normalize-space($s/P_27)"/>
      <xsl:if test="$rodzaj != '' and $rodzaj != '0'"><RodzajNrId poz="P_27"><xsl:value-of select="$rodzaj"/></RodzajNrId></xsl:if>
      <KodKrajuWydania poz="P_28A"><xsl:value-of select="normalize-space($s/P_28)"/></KodKrajuWydania>
    </OsobaFizZagr>
    <AdresZamieszkania rodzajAdresu="RAD">
      <etd:KodKraju><xsl:value-of select="normalize-space($s/P_29)"/></etd:KodKraju>
      <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_31'"/><xsl:with-param name="element" select="'KodPocztowy'"/></xsl:call-template>
      <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_30)"/></etd:Miejscowosc>
      <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_32'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
      <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_33'"/><xsl:with-param name="element" select="'NrDomu'"/></xsl:call-template>
      <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_34'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
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

  <!-- An optional date position of part E, written when its field is not empty. -->
  <xsl:template name="data">
    <xsl:param name="nazwa"/>
    <xsl:variable name="wartosc" select="normalize-space(key('pole', $nazwa))"/>
    <xsl:if test="$wartosc != ''">
      <xsl:element name="{$nazwa}"><xsl:value-of select="$wartosc"/></xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- A field's amount as a number (a decimal comma or point); 0 for no number. -->
  <xsl:template name="liczba">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="$liczba"/></xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The rows of part D from position n on, four positions each, up to position 74. -->
  <xsl:template name="wiersze">
    <xsl:param name="n"/>
    <xsl:if test="$n &lt;= 71">
      <xsl:variable name="suma">
        <xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="concat('P_', $n)"/></xsl:call-template>|<xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="concat('P_', $n + 1)"/></xsl:call-template>|<xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="concat('P_', $n + 3)"/></xsl:call-template>
      </xsl:variable>
      <xsl:if test="translate(normalize-space($suma), '0.|', '') != ''">
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="concat('P_', $n)"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="concat('P_', $n + 1)"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="concat('P_', $n + 2)"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="concat('P_', $n + 3)"/></xsl:call-template>
      </xsl:if>
      <xsl:call-template name="wiersze"><xsl:with-param name="n" select="$n + 4"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- An amount or a rate with two decimals. -->
  <xsl:template name="kwota">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba"><xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template></xsl:variable>
    <xsl:element name="{$nazwa}"><xsl:value-of select="format-number(number($liczba), '0.00')"/></xsl:element>
  </xsl:template>
</xsl:stylesheet>
