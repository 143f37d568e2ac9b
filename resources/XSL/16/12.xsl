<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT-36L(12): the module's document of a taxpayer's yearly return at the flat 19 % rate becomes the return's
     document (namespace urn:tlx:projekt:PIT-36L-12/, the project's, as the variant's official schema is not
     available). Amounts leave with two decimals, the basis, advances and the tax in whole złoty; optional
     positions whose amount is 0 are left out. "Zalaczniki" is always written: the PIT/B attachments are placed
     into it from their own documents when the return's document is built. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:projekt:PIT-36L-12/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="PIT-36L (12)" kodPodatku="PIT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">PIT-36L</KodFormularza>
        <WariantFormularza>12</WariantFormularza>
        <CelZlozenia poz="P_6"><xsl:value-of select="normalize-space($s/P_6)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_4)"/></Rok>
        <KodUrzedu><xsl:value-of select="normalize-space($s/P_5)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Podatnik">
        <xsl:call-template name="osoba">
          <xsl:with-param name="id" select="'P_1'"/><xsl:with-param name="nazwisko" select="'P_7'"/>
          <xsl:with-param name="imie" select="'P_8'"/><xsl:with-param name="urodzenie" select="'P_9'"/>
        </xsl:call-template>
        <xsl:call-template name="adres"/>
      </Podmiot1>
      <PozycjeSzczegolowe>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_20 P_21 P_22 P_23 P_24 P_25'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_26'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_27 P_28'"/></xsl:call-template>
        <P_29><xsl:value-of select="format-number(round(number(translate(normalize-space($s/P_29), ',', '.'))), '0')"/></P_29>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_30 P_31 P_32'"/></xsl:call-template>
        <xsl:variable name="pitb" select="normalize-space($s/LiczbaPITB)"/>
        <xsl:if test="$pitb != '' and $pitb != '0'"><P_33><xsl:value-of select="$pitb"/></P_33></xsl:if>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_34 P_35 P_36'"/></xsl:call-template>
        <xsl:variable name="pitzg" select="normalize-space($s/LiczbaPITZG)"/>
        <xsl:if test="$pitzg != '' and $pitzg != '0'"><P_37><xsl:value-of select="$pitzg"/></P_37></xsl:if>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_38 P_39'"/></xsl:call-template>
        <xsl:variable name="pitbr" select="normalize-space($s/LiczbaPITBR)"/>
        <xsl:if test="$pitbr != '' and $pitbr != '0'"><P_40><xsl:value-of select="$pitbr"/></P_40></xsl:if>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_41 P_42 P_43 P_44'"/></xsl:call-template>
        <xsl:variable name="pitz" select="normalize-space($s/LiczbaPITZ)"/>
        <xsl:if test="$pitz != '' and $pitz != '0'"><P_45><xsl:value-of select="$pitz"/></P_45></xsl:if>
      </PozycjeSzczegolowe>
      <Pouczenie>1</Pouczenie>
      <Zalaczniki/>
    </Deklaracja>
  </xsl:template>

  <!-- A person by NIP (ten digits) or PESEL (eleven), with his names and date of birth. -->
  <xsl:template name="osoba">
    <xsl:param name="id"/><xsl:param name="nazwisko"/><xsl:param name="imie"/><xsl:param name="urodzenie"/>
    <xsl:variable name="numer" select="normalize-space(key('pole', $id))"/>
    <OsobaFizyczna>
      <xsl:choose>
        <xsl:when test="string-length($numer) = 10"><etd:NIP><xsl:value-of select="$numer"/></etd:NIP></xsl:when>
        <xsl:otherwise><etd:PESEL><xsl:value-of select="$numer"/></etd:PESEL></xsl:otherwise>
      </xsl:choose>
      <etd:ImiePierwsze><xsl:value-of select="normalize-space(key('pole', $imie))"/></etd:ImiePierwsze>
      <etd:Nazwisko><xsl:value-of select="normalize-space(key('pole', $nazwisko))"/></etd:Nazwisko>
      <etd:DataUrodzenia><xsl:value-of select="normalize-space(key('pole', $urodzenie))"/></etd:DataUrodzenia>
    </OsobaFizyczna>
  </xsl:template>

  <!-- The taxpayer's address of residence, Polish (every part but the street and the flat required) or foreign. -->
  <xsl:template name="adres">
    <AdresZamieszkania rodzajAdresu="RAD">
      <xsl:choose>
        <xsl:when test="normalize-space($s/P_10) = 'PL' or normalize-space($s/P_10) = ''">
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
        </xsl:when>
        <xsl:otherwise>
          <etd:AdresZagr>
            <etd:KodKraju><xsl:value-of select="normalize-space($s/P_10)"/></etd:KodKraju>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_18'"/><xsl:with-param name="element" select="'KodPocztowy'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_17)"/></etd:Miejscowosc>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_14'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_15'"/><xsl:with-param name="element" select="'NrDomu'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_16'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
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

  <!-- Optional amounts in złoty and grosze, each written when not 0; names separated by blanks. -->
  <xsl:template name="kwoty">
    <xsl:param name="nazwy"/>
    <xsl:param name="wzorzec" select="'0.00'"/>
    <xsl:variable name="nazwa" select="substring-before(concat($nazwy, ' '), ' ')"/>
    <xsl:variable name="liczba"><xsl:call-template name="liczba"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template></xsl:variable>
    <xsl:if test="number($liczba) = number($liczba) and number($liczba) != 0">
      <xsl:element name="{$nazwa}">
        <xsl:choose>
          <xsl:when test="$wzorzec = '0'"><xsl:value-of select="format-number(round(number($liczba)), '0')"/></xsl:when>
          <xsl:otherwise><xsl:value-of select="format-number(number($liczba), $wzorzec)"/></xsl:otherwise>
        </xsl:choose>
      </xsl:element>
    </xsl:if>
    <xsl:if test="contains($nazwy, ' ')">
      <xsl:call-template name="kwoty">
        <xsl:with-param name="nazwy" select="substring-after($nazwy, ' ')"/>
        <xsl:with-param name="wzorzec" select="$wzorzec"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- Optional amounts in whole złoty. -->
  <xsl:template name="zlote">
    <xsl:param name="nazwy"/>
    <xsl:call-template name="kwoty">
      <xsl:with-param name="nazwy" select="$nazwy"/>
      <xsl:with-param name="wzorzec" select="'0'"/>
    </xsl:call-template>
  </xsl:template>
</xsl:stylesheet>
