<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-27K(1), the quarterly VAT-27: the module's document becomes the tax authority's document
     (namespace http://crd.gov.pl/wzor/2015/09/04/2566/). The rows of parts C and D are not the stylesheet's: the
     module inserts them as groups Grupa_C before P_11 and Grupa_D before P_12, which are therefore always
     written. Totals arrive as the user's regional settings wrote them and leave with two decimals. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2015/09/04/2566/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="VAT27K (1)" kodPodatku="VAT" rodzajZobowiazania="Z" wersjaSchemy="1-1E">VAT-27</KodFormularza>
        <WariantFormularza>1</WariantFormularza>
        <CelZlozenia poz="P_7"><xsl:value-of select="normalize-space($s/P_7)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_5)"/></Rok>
        <Kwartal><xsl:value-of select="normalize-space($s/P_4)"/></Kwartal>
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
        <P_11><xsl:call-template name="kwota"><xsl:with-param name="tekst" select="$s/P_11"/></xsl:call-template></P_11>
        <P_12><xsl:call-template name="kwota"><xsl:with-param name="tekst" select="$s/P_12"/></xsl:call-template></P_12>
      </PozycjeSzczegolowe>
      <Pouczenie>Za podanie nieprawdy lub zatajenie prawdy grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.</Pouczenie>
    </Deklaracja>
  </xsl:template>

  <!-- An amount with a decimal comma or point as a number with two decimals; 0.00 for no number. -->
  <xsl:template name="kwota">
    <xsl:param name="tekst"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space($tekst), ',', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number($liczba, '0.00')"/></xsl:when>
      <xsl:otherwise>0.00</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
