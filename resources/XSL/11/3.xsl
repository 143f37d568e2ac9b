<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-UE(3): the module's document becomes the tax authority's document
     (namespace http://crd.gov.pl/wzor/2013/06/18/1215/).
     The positions are not the stylesheet's: the module appends them under PozycjeSzczegolowe as groups
     (from the VAT-UE/A, /B and /C attachments). -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2013/06/18/1215/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="VAT-UE (3)" wersjaSchemy="1-0E">VAT-UE</KodFormularza>
        <WariantFormularza>3</WariantFormularza>
        <Rok><xsl:value-of select="normalize-space($s/P_5)"/></Rok>
        <Miesiac><xsl:value-of select="normalize-space($s/P_4)"/></Miesiac>
        <CelZlozenia>1</CelZlozenia>
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
      <PozycjeSzczegolowe/>
      <Pouczenie>Za podanie nieprawdy lub zatajenie prawdy grozi odpowiedzialność przewidziana w Kodeksie karnym skarbowym.</Pouczenie>
    </Deklaracja>
  </xsl:template>
</xsl:stylesheet>
