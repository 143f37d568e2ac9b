<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-7K(8), the quarterly VAT-7: the module's document of a quarterly VAT-7 becomes the tax authority's
     document (namespace http://crd.gov.pl/wzor/2013/04/09/1114/), the taxpayer in the etd types of 2011/06/21,
     without an address. The positions are the VAT-7(14)'s. Amounts arrive as the user's regional settings
     wrote them and leave in whole złoty; dates leave as "YYYY-MM-DD". Optional positions without a value are
     left out. The document closes with the printed form's instruction, citing the tax to pay (poz. 48), and
     the taxpayer's statement. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2013/04/09/1114/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <!-- The module's fields by name. -->
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <!-- The namespace of the VAT-ZD notice's part (VAT-ZD(1) of these years). -->
  <xsl:variable name="nsVatZd" select="'http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2013/01/10/eD/VATZD/'"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="VAT-7K (8)" kodPodatku="VAT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">VAT-7K</KodFormularza>
        <WariantFormularza>8</WariantFormularza>
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
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_10'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_11'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_12'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_13'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_14'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_15'"/><xsl:with-param name="podatek" select="'P_16'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_17'"/><xsl:with-param name="podatek" select="'P_18'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_19'"/><xsl:with-param name="podatek" select="'P_20'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_21'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_22'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_23'"/><xsl:with-param name="podatek" select="'P_24'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_25'"/><xsl:with-param name="podatek" select="'P_26'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_27'"/><xsl:with-param name="podatek" select="'P_28'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_29'"/><xsl:with-param name="podatek" select="'P_30'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_31'"/><xsl:with-param name="podatek" select="'P_32'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_33'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_34'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_35'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_36'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_37'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_38'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_39'"/><xsl:with-param name="podatek" select="'P_40'"/></xsl:call-template>
        <xsl:call-template name="para"><xsl:with-param name="podstawa" select="'P_41'"/><xsl:with-param name="podatek" select="'P_42'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_43'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_44'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_45'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_46'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_47'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_48'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_49'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_50'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_51'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_52'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_53'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_54'"/></xsl:call-template>
        <xsl:call-template name="kwota-niezerowa"><xsl:with-param name="nazwa" select="'P_55'"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_56'"/><xsl:with-param name="dozwolone" select="' 1 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_57'"/><xsl:with-param name="dozwolone" select="' 1 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_58'"/><xsl:with-param name="dozwolone" select="' 1 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_59'"/><xsl:with-param name="dozwolone" select="' 1 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_60'"/><xsl:with-param name="dozwolone" select="' 1 2 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_61'"/><xsl:with-param name="dozwolone" select="' 1 2 '"/></xsl:call-template>
        <xsl:call-template name="wybor"><xsl:with-param name="nazwa" select="'P_62'"/><xsl:with-param name="dozwolone" select="' 1 2 '"/></xsl:call-template>
        <xsl:variable name="vatzd" select="normalize-space($s/P_63)"/>
        <xsl:if test="$vatzd = '1' or $vatzd = '2'">
          <P_63><xsl:value-of select="$vatzd"/></P_63>
          <xsl:if test="$vatzd = '1' and normalize-space($s/P_64) = '1'"><P_64>1</P_64></xsl:if>
        </xsl:if>
        <xsl:if test="normalize-space($s/P_68) != ''">
          <P_68><xsl:value-of select="normalize-space($s/P_68)"/></P_68>
        </xsl:if>
        <xsl:variable name="wypelniono">
          <xsl:call-template name="data"><xsl:with-param name="tekst" select="normalize-space($s/P_69)"/></xsl:call-template>
        </xsl:variable>
        <xsl:if test="$wypelniono != ''"><P_69><xsl:value-of select="$wypelniono"/></P_69></xsl:if>
      </PozycjeSzczegolowe>
      <Pouczenie>W przypadku niewpłacenia w obowiązującym terminie kwoty z poz.48 lub wpłacenia jej w niepełnej wysokości, niniejsza deklaracja stanowi podstawę do wystawienia tytułu wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w administracji (Dz.U. z 2012 r. poz. 1015, z późn. zm.).</Pouczenie>
      <Oswiadczenie>Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za podanie danych niezgodnych z rzeczywistością.</Oswiadczenie>
      <xsl:if test="normalize-space(/d:Deklaracja/Schemat/P_63) = '1'">
        <Zalaczniki>
          <xsl:element name="Wniosek_VAT-ZD" namespace="{$nsVatZd}">
            <xsl:element name="Naglowek" namespace="{$nsVatZd}">
              <xsl:element name="KodFormularza" namespace="{$nsVatZd}">
                <xsl:attribute name="kodSystemowy">VAT-ZD (1)</xsl:attribute>
                <xsl:attribute name="wersjaSchemy">1-0E</xsl:attribute>
                <xsl:text>VAT-ZD</xsl:text>
              </xsl:element>
              <xsl:element name="WariantFormularza" namespace="{$nsVatZd}">1</xsl:element>
            </xsl:element>
            <xsl:element name="PozycjeSzczegolowe" namespace="{$nsVatZd}"/>
          </xsl:element>
        </Zalaczniki>
      </xsl:if>
    </Deklaracja>
  </xsl:template>

  <!-- An amount rounded to whole złoty as the document writes it: its digits, 0 for no number. Inside
       ±10^9 the number's own text is its digits; format-number, several times costlier, writes the rest. -->
  <xsl:template name="cyfry">
    <xsl:param name="liczba"/>
    <xsl:choose>
      <xsl:when test="$liczba &gt; -1000000000 and $liczba &lt; 1000000000"><xsl:value-of select="$liczba"/></xsl:when>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number($liczba, '0')"/></xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A required position, written whatever its amount (rounded half up, a decimal comma or point). -->
  <xsl:template name="kwota">
    <xsl:param name="nazwa"/>
    <xsl:element name="{$nazwa}">
      <xsl:call-template name="cyfry">
        <xsl:with-param name="liczba" select="round(number(translate(normalize-space(key('pole', $nazwa)), ',', '.')))"/>
      </xsl:call-template>
    </xsl:element>
  </xsl:template>

  <!-- An optional position, written when its amount is a number that does not round to 0: the rounded
       amount taken as a boolean, false for 0 and for no number. -->
  <xsl:template name="kwota-niezerowa">
    <xsl:param name="nazwa"/>
    <xsl:if test="round(number(translate(normalize-space(key('pole', $nazwa)), ',', '.')))">
      <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A base and its tax, written together when either amount is a number that does not round to 0. -->
  <xsl:template name="para">
    <xsl:param name="podstawa"/>
    <xsl:param name="podatek"/>
    <xsl:if test="round(number(translate(normalize-space(key('pole', $podstawa)), ',', '.'))) or
                  round(number(translate(normalize-space(key('pole', $podatek)), ',', '.')))">
      <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="$podstawa"/></xsl:call-template>
      <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="$podatek"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A box written only when ticked with one of the allowed values (each between blanks). -->
  <xsl:template name="wybor">
    <xsl:param name="nazwa"/>
    <xsl:param name="dozwolone"/>
    <xsl:variable name="wartosc" select="normalize-space(key('pole', $nazwa))"/>
    <xsl:if test="$wartosc != '' and contains($dozwolone, concat(' ', $wartosc, ' '))">
      <xsl:element name="{$nazwa}"><xsl:value-of select="$wartosc"/></xsl:element>
    </xsl:if>
  </xsl:template>

  <!-- "DD.MM.YYYY" (Polish) or "M/D/YYYY" (English), a time after a blank ignored, as "YYYY-MM-DD";
       nothing for a text that is neither or for a date before the form's year. -->
  <xsl:template name="data">
    <xsl:param name="tekst"/>
    <xsl:variable name="dzien" select="substring-before(concat($tekst, ' '), ' ')"/>
    <xsl:variable name="iso">
      <xsl:choose>
        <xsl:when test="contains($dzien, '.')">
          <xsl:value-of select="concat(substring-after(substring-after($dzien, '.'), '.'), '-',
                                       format-number(substring-before(substring-after($dzien, '.'), '.'), '00'), '-',
                                       format-number(substring-before($dzien, '.'), '00'))"/>
        </xsl:when>
        <xsl:when test="contains($dzien, '/')">
          <xsl:value-of select="concat(substring-after(substring-after($dzien, '/'), '/'), '-',
                                       format-number(substring-before($dzien, '/'), '00'), '-',
                                       format-number(substring-before(substring-after($dzien, '/'), '/'), '00'))"/>
        </xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="string-length($iso) = 10 and substring($iso, 1, 4) &gt;= 2013"><xsl:value-of select="$iso"/></xsl:if>
  </xsl:template>
</xsl:stylesheet>
