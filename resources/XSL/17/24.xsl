<?xml version="1.0" encoding="UTF-8"?>
<!-- CIT-8(24): the module's document of a corporate income-tax return becomes the filing document. The
     variant's official namespace is not known here, so the document carries the project's namespace
     urn:tlx:wzor:CIT-8:24/, which its project-written schema describes. Amounts of revenue, costs, income and
     deductions in złoty and grosze, the tax base and the tax in whole złoty; optional positions at 0 are
     left out. The CIT-8/O part is written here among the attachments; the CIT-D, CIT-ST, CIT-ST/A and CIT/BR
     attachments are declarations of their own, which the module places into "Zalaczniki". -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:wzor:CIT-8:24/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="CIT-8 (24)" kodPodatku="CIT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">CIT-8</KodFormularza>
        <WariantFormularza>24</WariantFormularza>
        <CelZlozenia poz="P_7"><xsl:value-of select="normalize-space($s/P_7)"/></CelZlozenia>
        <OkresOd poz="P_4"><xsl:value-of select="normalize-space($s/P_4)"/></OkresOd>
        <OkresDo poz="P_5"><xsl:value-of select="normalize-space($s/P_5)"/></OkresDo>
        <KodUrzedu><xsl:value-of select="normalize-space($s/KodUrzedu)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Podatnik">
        <etd:OsobaNiefizyczna>
          <etd:NIP><xsl:value-of select="$s/Nip"/></etd:NIP>
          <etd:PelnaNazwa><xsl:value-of select="normalize-space($s/P_8)"/></etd:PelnaNazwa>
          <xsl:if test="normalize-space($s/P_9) != ''">
            <etd:REGON><xsl:value-of select="normalize-space($s/P_9)"/></etd:REGON>
          </xsl:if>
        </etd:OsobaNiefizyczna>
      </Podmiot1>
      <PozycjeSzczegolowe>
        <xsl:if test="normalize-space($s/P_10) = '1'"><P_10>1</P_10></xsl:if>
        <xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="'P_11'"/></xsl:call-template>
        <xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="'P_12'"/></xsl:call-template>
        <xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="'P_13'"/></xsl:call-template>
        <xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="'P_14'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_15'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_16'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_17'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_18'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_19'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_20'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_21'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_22'"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_23'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_24'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_25'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_26'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_27'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_28'"/></xsl:call-template>
        <P_29><xsl:value-of select="normalize-space($s/P_29)"/></P_29>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_30'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_31'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_32'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_33'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_34'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="'P_35'"/></xsl:call-template>
      </PozycjeSzczegolowe>
      <Pouczenie>1</Pouczenie>
      <xsl:if test="normalize-space($s/P_10) = '1' or number($s/P_11) &gt; 0 or number($s/P_12) &gt; 0 or
                    number($s/P_13) &gt; 0 or number($s/P_14) &gt; 0">
        <Zalaczniki>
          <xsl:if test="normalize-space($s/P_10) = '1'">
            <Zalacznik_CIT-8_O>
              <PozycjeSzczegolowe>
                <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_O1'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
                <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_O2'"/><xsl:with-param name="opcja" select="1"/></xsl:call-template>
                <xsl:call-template name="grosze"><xsl:with-param name="nazwa" select="'P_O3'"/></xsl:call-template>
              </PozycjeSzczegolowe>
            </Zalacznik_CIT-8_O>
          </xsl:if>
        </Zalaczniki>
      </xsl:if>
    </Deklaracja>
  </xsl:template>

  <!-- An amount in złoty and grosze; an optional position at 0 is left out. -->
  <xsl:template name="grosze">
    <xsl:param name="nazwa"/>
    <xsl:param name="opcja" select="0"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ', ', '.'))"/>
    <xsl:variable name="kwota"><xsl:choose><xsl:when test="$liczba = $liczba"><xsl:value-of select="$liczba"/></xsl:when><xsl:otherwise>0</xsl:otherwise></xsl:choose></xsl:variable>
    <xsl:if test="$opcja = 0 or number($kwota) != 0">
      <xsl:element name="{$nazwa}"><xsl:value-of select="format-number($kwota, '0.00')"/></xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- An amount in whole złoty; an optional position at 0 is left out. -->
  <xsl:template name="zlote">
    <xsl:param name="nazwa"/>
    <xsl:param name="opcja" select="0"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ', ', '.'))"/>
    <xsl:variable name="kwota"><xsl:choose><xsl:when test="$liczba = $liczba"><xsl:value-of select="round($liczba)"/></xsl:when><xsl:otherwise>0</xsl:otherwise></xsl:choose></xsl:variable>
    <xsl:if test="$opcja = 0 or number($kwota) != 0">
      <xsl:element name="{$nazwa}"><xsl:value-of select="format-number($kwota, '0')"/></xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- A count of attachments, left out at 0. -->
  <xsl:template name="liczba">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(normalize-space(key('pole', $nazwa)))"/>
    <xsl:if test="$liczba &gt; 0">
      <xsl:element name="{$nazwa}"><xsl:value-of select="$liczba"/></xsl:element>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
