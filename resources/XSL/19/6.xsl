<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT-8AR(6): the module's document of the payer's yearly return becomes the tax authority's document (namespace
     http://crd.gov.pl/wzor/2015/12/21/3014/). Every position of the monthly table (P_9 to P_212) is written in whole units;
     numbers arrive as the user's regional settings wrote them ("153" or "153,00"). The payer's element stands in
     the form's own namespace: a body's identification inside it in the etd types, a person's in the form's
     namespace too. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2015/12/21/3014/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="PT-8AR (6)" kodPodatku="PPR" rodzajZobowiazania="P" wersjaSchemy="1-0E">PIT-8AR</KodFormularza>
        <WariantFormularza>6</WariantFormularza>
        <CelZlozenia poz="P_6"><xsl:value-of select="normalize-space($s/P_6)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_4)"/></Rok>
        <KodUrzedu><xsl:value-of select="normalize-space($s/KodUrzedu)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Płatnik">
        <xsl:choose>
          <xsl:when test="normalize-space($s/P_7) = '2'">
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
      </Podmiot1>
      <PozycjeSzczegolowe>
        <xsl:call-template name="pozycje">
          <xsl:with-param name="od" select="9"/>
          <xsl:with-param name="do" select="212"/>
        </xsl:call-template>
      </PozycjeSzczegolowe>
      <Pouczenie1>W przypadku niewpłacenia w obowiązującym terminie kwot z poz. od 201 do 212 lub wpłacenia ich w niepełnej wysokości niniejsza deklaracja stanowi podstawę do wystawienia tytułu wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w administracji (Dz. U. z 2014 r. poz. 1619, z późn. zm.).</Pouczenie1>
      <Pouczenie2>Za uchybienie obowiązkom płatnika grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.</Pouczenie2>
    </Deklaracja>
  </xsl:template>

  <!-- Positions P_od to P_do, each a whole number (a field without a number is 0). -->
  <xsl:template name="pozycje">
    <xsl:param name="od"/>
    <xsl:param name="do"/>
    <xsl:variable name="nazwa" select="concat('P_', $od)"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:element name="{$nazwa}">
      <xsl:choose>
        <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number(round($liczba), '0')"/></xsl:when>
        <xsl:otherwise>0</xsl:otherwise>
      </xsl:choose>
    </xsl:element>
    <xsl:if test="$od &lt; $do">
      <xsl:call-template name="pozycje">
        <xsl:with-param name="od" select="$od + 1"/>
        <xsl:with-param name="do" select="$do"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
