<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-9M(6): the module's document of the monthly VAT-9M becomes the return's e-declaration. Its official
     namespace is not known to the project, so the document carries the project's own (urn:tlx:wzor:VAT-9M:6/)
     over the official etd types of 2016/01/25, with the structure of the VAT returns of the time: Naglowek
     with the month, Podmiot1 the taxpayer, PozycjeSzczegolowe, Pouczenia. Amounts arrive as the user's
     regional settings wrote them ("1250,4" or "1250.4") and leave in whole złoty; a row of part C (base and
     tax) is left out when both are 0, the tax to pay (P_16) is always written. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:wzor:VAT-9M:6/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <!-- The module's fields by name. -->
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="VAT-9M (6)" kodPodatku="VAT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">VAT-9M</KodFormularza>
        <WariantFormularza>6</WariantFormularza>
        <CelZlozenia poz="P_7"><xsl:value-of select="normalize-space($s/P_7)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_5)"/></Rok>
        <Miesiac><xsl:value-of select="normalize-space($s/P_4)"/></Miesiac>
        <KodUrzedu><xsl:value-of select="normalize-space($s/KodUrzedu)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Podatnik">
        <xsl:choose>
          <xsl:when test="normalize-space($s/P_8) = '2'">
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
      <PozycjeSzczegolowe>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_10'"/><xsl:with-param name="podatek" select="'P_11'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_12'"/><xsl:with-param name="podatek" select="'P_13'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_14'"/><xsl:with-param name="podatek" select="'P_15'"/></xsl:call-template>
        <P_16><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_16'"/></xsl:call-template></P_16>
      </PozycjeSzczegolowe>
      <Pouczenia>1</Pouczenia>
    </Deklaracja>
  </xsl:template>

  <!-- A position's amount in whole złoty (a decimal comma or point, rounded half up); 0 for no number. -->
  <xsl:template name="zlote">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number(round($liczba), '0')"/></xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A row's base and tax, written together when either is not 0. -->
  <xsl:template name="para">
    <xsl:param name="podstawa"/>
    <xsl:param name="podatek"/>
    <xsl:variable name="p"><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$podstawa"/></xsl:call-template></xsl:variable>
    <xsl:variable name="t"><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$podatek"/></xsl:call-template></xsl:variable>
    <xsl:if test="$p != '0' or $t != '0'">
      <xsl:element name="{$podstawa}"><xsl:value-of select="$p"/></xsl:element>
      <xsl:element name="{$podatek}"><xsl:value-of select="$t"/></xsl:element>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
