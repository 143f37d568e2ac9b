<?xml version="1.0" encoding="UTF-8"?>
<!-- PIT-36(23): the module's document of a taxpayer's yearly return on the tax scale becomes the return's
     document (namespace urn:tlx:projekt:PIT-36-23/, the project's, as the variant's official schema is not
     available). The taxpayer is Podmiot1, the spouse Podmiot2 when they file jointly; amounts leave with two
     decimals, advances and the tax in whole złoty, optional positions whose amount is 0 are left out.
     "Zalaczniki" is always written: the attachments PIT/B, PIT/BR, PIT/Z, PIT/O and PIT/ZG are placed into it from their own
     documents when the return's document is built. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="urn:tlx:projekt:PIT-36-23/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>
  <xsl:variable name="wspolnie" select="normalize-space($s/P_6) = '2' or normalize-space($s/P_6) = '4'"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="PIT-36 (23)" kodPodatku="PIT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">PIT-36</KodFormularza>
        <WariantFormularza>23</WariantFormularza>
        <CelZlozenia poz="P_7"><xsl:value-of select="normalize-space($s/P_7)"/></CelZlozenia>
        <Rok><xsl:value-of select="normalize-space($s/P_4)"/></Rok>
        <KodUrzedu><xsl:value-of select="normalize-space($s/P_5)"/></KodUrzedu>
      </Naglowek>
      <Podmiot1 rola="Podatnik">
        <xsl:call-template name="osoba">
          <xsl:with-param name="id" select="'P_1'"/><xsl:with-param name="nazwisko" select="'P_8'"/>
          <xsl:with-param name="imie" select="'P_9'"/><xsl:with-param name="urodzenie" select="'P_10'"/>
        </xsl:call-template>
        <xsl:call-template name="adres"/>
      </Podmiot1>
      <xsl:if test="$wspolnie">
        <Podmiot2 rola="Małżonek">
          <xsl:call-template name="osoba">
            <xsl:with-param name="id" select="'P_2'"/><xsl:with-param name="nazwisko" select="'P_21'"/>
            <xsl:with-param name="imie" select="'P_22'"/><xsl:with-param name="urodzenie" select="'P_23'"/>
          </xsl:call-template>
        </Podmiot2>
      </xsl:if>
      <PozycjeSzczegolowe>
        <P_6><xsl:value-of select="normalize-space($s/P_6)"/></P_6>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_24 P_25 P_26'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_27'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_28 P_29 P_30'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_31'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_32 P_33 P_34 P_35'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_36'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_37 P_38 P_39 P_40'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_41'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_42 P_43'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_44 P_45'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_46 P_47 P_48 P_49 P_50 P_51'"/></xsl:call-template>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_52'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_53 P_54 P_55 P_56'"/></xsl:call-template>
        <P_57><xsl:value-of select="format-number(round(number(translate(normalize-space($s/P_57), ',', '.'))), '0')"/></P_57>
        <xsl:call-template name="zlote"><xsl:with-param name="nazwy" select="'P_58 P_59 P_60'"/></xsl:call-template>
        <xsl:variable name="pitb" select="normalize-space($s/LiczbaPITB)"/>
        <xsl:if test="$pitb != '' and $pitb != '0'"><P_61><xsl:value-of select="$pitb"/></P_61></xsl:if>
        <P_62><xsl:choose><xsl:when test="normalize-space($s/ZalacznikPITO) = '1'">1</xsl:when><xsl:otherwise>2</xsl:otherwise></xsl:choose></P_62>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_63 P_64 P_65 P_66 P_67 P_68'"/></xsl:call-template>
        <xsl:variable name="pitzg" select="normalize-space($s/LiczbaPITZG)"/>
        <xsl:if test="$pitzg != '' and $pitzg != '0'"><P_69><xsl:value-of select="$pitzg"/></P_69></xsl:if>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_70 P_71 P_72 P_73'"/></xsl:call-template>
        <xsl:variable name="pitbr" select="normalize-space($s/LiczbaPITBR)"/>
        <xsl:if test="$pitbr != '' and $pitbr != '0'"><P_74><xsl:value-of select="$pitbr"/></P_74></xsl:if>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_75 P_76 P_77 P_78 P_79 P_80 P_81 P_82'"/></xsl:call-template>
        <xsl:variable name="pitz" select="normalize-space($s/LiczbaPITZ)"/>
        <xsl:if test="$pitz != '' and $pitz != '0'"><P_83><xsl:value-of select="$pitz"/></P_83></xsl:if>
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
        <xsl:when test="normalize-space($s/P_11) = 'PL' or normalize-space($s/P_11) = ''">
          <etd:AdresPol>
            <etd:KodKraju>PL</etd:KodKraju>
            <etd:Wojewodztwo><xsl:value-of select="normalize-space($s/P_12)"/></etd:Wojewodztwo>
            <etd:Powiat><xsl:value-of select="normalize-space($s/P_13)"/></etd:Powiat>
            <etd:Gmina><xsl:value-of select="normalize-space($s/P_14)"/></etd:Gmina>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_15'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <etd:NrDomu><xsl:value-of select="normalize-space($s/P_16)"/></etd:NrDomu>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_17'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_18)"/></etd:Miejscowosc>
            <etd:KodPocztowy><xsl:value-of select="normalize-space($s/P_19)"/></etd:KodPocztowy>
            <etd:Poczta><xsl:value-of select="normalize-space($s/P_20)"/></etd:Poczta>
          </etd:AdresPol>
        </xsl:when>
        <xsl:otherwise>
          <etd:AdresZagr>
            <etd:KodKraju><xsl:value-of select="normalize-space($s/P_11)"/></etd:KodKraju>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_19'"/><xsl:with-param name="element" select="'KodPocztowy'"/></xsl:call-template>
            <etd:Miejscowosc><xsl:value-of select="normalize-space($s/P_18)"/></etd:Miejscowosc>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_15'"/><xsl:with-param name="element" select="'Ulica'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_16'"/><xsl:with-param name="element" select="'NrDomu'"/></xsl:call-template>
            <xsl:call-template name="tekst"><xsl:with-param name="pole" select="'P_17'"/><xsl:with-param name="element" select="'NrLokalu'"/></xsl:call-template>
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
