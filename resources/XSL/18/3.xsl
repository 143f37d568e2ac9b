<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT-4R(3): the module's document of the payer's yearly return becomes the tax authority's document (namespace
     http://crd.gov.pl/wzor/2011/12/12/718/). Every position of the monthly table (P_19 to P_178) is written in whole units;
     numbers arrive as the user's regional settings wrote them ("153" or "153,00"). The payer is written in the etd
     types, but for the element of its address, which stands in the form's own namespace around the address. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2011/12/12/718/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="PIT-4R (3)" kodPodatku="PIT" rodzajZobowiazania="P" wersjaSchemy="1-0E">PIT-4R</KodFormularza>
        <WariantFormularza>3</WariantFormularza>
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
        <AdresZamieszkaniaSiedziby rodzajAdresu="RAD">
          <xsl:choose>
            <xsl:when test="normalize-space($s/P_9) = '' or normalize-space($s/P_9) = 'PL' or translate(normalize-space($s/P_9), 'polska', 'POLSKA') = 'POLSKA'">
              <etd:AdresPol>
                <etd:KodKraju>PL</etd:KodKraju>
                <etd:Wojewodztwo><xsl:value-of select="normalize-space($s/P_10)"/></etd:Wojewodztwo>
                <etd:Powiat><xsl:value-of select="normalize-space($s/P_11)"/></etd:Powiat>
                <etd:Gmina><xsl:value-of select="normalize-space($s/P_12)"/></etd:Gmina>
                <xsl:if test="normalize-space($s/P_13) != ''"><etd:Ulica><xsl:value-of select="normalize-space($s/P_13)"/></etd:Ulica></xsl:if>
                <etd:NrDomu><xsl:value-of select="normalize-space($s/P_14)"/></etd:NrDomu>
                <xsl:if test="normalize-space($s/P_15) != ''"><etd:NrLokalu><xsl:value-of select="normalize-space($s/P_15)"/></etd:NrLokalu></xsl:if>
                <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_16)"/></etd:Miejscowosc>
                <etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_17)"/></etd:KodPocztowy>
                <etd:Poczta><xsl:value-of select="normalize-space($s/P_18)"/></etd:Poczta>
              </etd:AdresPol>
            </xsl:when>
            <xsl:otherwise>
              <etd:AdresZagr>
                <etd:KodKraju><xsl:value-of select="normalize-space($s/P_9)"/></etd:KodKraju>
                <xsl:if test="normalize-space($s/P_17) != ''"><etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_17)"/></etd:KodPocztowy></xsl:if>
                <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_16)"/></etd:Miejscowosc>
                <xsl:if test="normalize-space($s/P_13) != ''"><etd:Ulica><xsl:value-of select="normalize-space($s/P_13)"/></etd:Ulica></xsl:if>
                <xsl:if test="normalize-space($s/P_14) != ''"><etd:NrDomu><xsl:value-of select="normalize-space($s/P_14)"/></etd:NrDomu></xsl:if>
                <xsl:if test="normalize-space($s/P_15) != ''"><etd:NrLokalu><xsl:value-of select="normalize-space($s/P_15)"/></etd:NrLokalu></xsl:if>
              </etd:AdresZagr>
            </xsl:otherwise>
          </xsl:choose>
        </AdresZamieszkaniaSiedziby>
      </Podmiot1>
      <PozycjeSzczegolowe>
        <xsl:call-template name="pozycje">
          <xsl:with-param name="od" select="19"/>
          <xsl:with-param name="do" select="178"/>
        </xsl:call-template>
        <xsl:if test="normalize-space($s/P_179) != ''">
          <P_179><xsl:value-of select="$s/P_179"/></P_179>
        </xsl:if>
      </PozycjeSzczegolowe>
      <Pouczenie>W przypadku niewpłacenia w obowiązującym terminie kwot z poz. od 167 do 178 lub wpłacenia ich w niepełnej wysokości niniejsza deklaracja stanowi podstawę do wystawienia tytułu wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w administracji (Dz.U. z 2005 r. Nr 229, poz.1954, z późn. zm.).</Pouczenie>
      <Oswiadczenie>Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za uchybienie obowiązkom płatnika.</Oswiadczenie>
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
