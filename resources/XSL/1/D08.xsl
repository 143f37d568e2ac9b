<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-7D(8), the quarterly VAT-7 of a taxpayer paying monthly advances: the module's document becomes the
     tax authority's document (namespace http://crd.gov.pl/wzor/2016/08/05/3414/). The positions are those of
     the monthly VAT-7(17); the header names the quarter. Amounts arrive as the user's regional settings wrote
     them and leave in whole złoty; dates leave as "YYYY-MM-DD". Optional positions without a value are left out. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/2016/08/05/3414/"
    xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <!-- The module's fields by name. -->
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <!-- The namespace of the VAT-ZD notice's part (VAT-ZD(1)). -->
  <xsl:variable name="nsVatZd" select="'http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/'"/>

  <xsl:template match="/">
    <Deklaracja>
      <Naglowek>
        <KodFormularza kodSystemowy="VAT-7D (8)" kodPodatku="VAT" rodzajZobowiazania="Z" wersjaSchemy="1-0E">VAT-7D</KodFormularza>
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
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_10 P_11 P_12 P_13 P_14'"/></xsl:call-template>
        <xsl:call-template name="pary"><xsl:with-param name="nazwy" select="'P_15 P_17 P_19'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_21 P_22'"/></xsl:call-template>
        <xsl:call-template name="pary"><xsl:with-param name="nazwy" select="'P_23 P_25 P_27 P_29'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_31'"/></xsl:call-template>
        <xsl:call-template name="pary"><xsl:with-param name="nazwy" select="'P_32 P_34'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_36 P_37 P_38 P_39 P_40'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_41'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_42'"/></xsl:call-template>
        <xsl:call-template name="pary"><xsl:with-param name="nazwy" select="'P_43 P_45'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_47 P_48 P_49 P_50 P_51 P_52 P_53'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_54'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_55 P_56'"/></xsl:call-template>
        <xsl:call-template name="kwota"><xsl:with-param name="nazwa" select="'P_57'"/></xsl:call-template>
        <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="'P_58 P_59 P_60 P_61'"/></xsl:call-template>
        <xsl:call-template name="wybory"><xsl:with-param name="nazwy" select="'P_62 P_63 P_64 P_65'"/><xsl:with-param name="dozwolone" select="'1'"/></xsl:call-template>
        <xsl:call-template name="wybory"><xsl:with-param name="nazwy" select="'P_66 P_67'"/><xsl:with-param name="dozwolone" select="'1 2'"/></xsl:call-template>
        <xsl:variable name="vatzd" select="normalize-space($s/P_68)"/>
        <xsl:if test="$vatzd = '1' or $vatzd = '2'">
          <P_68><xsl:value-of select="$vatzd"/></P_68>
          <xsl:if test="$vatzd = '1' and normalize-space($s/P_69) = '1'"><P_69>1</P_69></xsl:if>
        </xsl:if>
        <xsl:if test="normalize-space($s/P_73) != ''">
          <P_73><xsl:value-of select="normalize-space($s/P_73)"/></P_73>
        </xsl:if>
        <xsl:variable name="wypelniono">
          <xsl:call-template name="data"><xsl:with-param name="tekst" select="normalize-space($s/P_74)"/></xsl:call-template>
        </xsl:variable>
        <xsl:if test="$wypelniono != ''"><P_74><xsl:value-of select="$wypelniono"/></P_74></xsl:if>
      </PozycjeSzczegolowe>
      <Pouczenia>1</Pouczenia>
      <xsl:if test="normalize-space(/d:Deklaracja/Schemat/P_68) = '1'">
        <Zalaczniki>
          <xsl:element name="Wniosek_VAT-ZD" namespace="{$nsVatZd}">
            <xsl:element name="Naglowek" namespace="{$nsVatZd}">
              <xsl:element name="KodFormularza" namespace="{$nsVatZd}">
                <xsl:attribute name="kodSystemowy">VAT-ZD (1)</xsl:attribute>
                <xsl:attribute name="wersjaSchemy">2-0E</xsl:attribute>
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

  <!-- A position's amount in whole złoty (a decimal comma or point, rounded half up); 0 for no number. -->
  <xsl:template name="zlote">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number(round($liczba), '0')"/></xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A required position, written whatever its amount. -->
  <xsl:template name="kwota">
    <xsl:param name="nazwa"/>
    <xsl:element name="{$nazwa}">
      <xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template>
    </xsl:element>
  </xsl:template>

  <!-- Optional positions, each written when its amount is not 0; names separated by blanks. -->
  <xsl:template name="kwoty">
    <xsl:param name="nazwy"/>
    <xsl:variable name="nazwa" select="substring-before(concat($nazwy, ' '), ' ')"/>
    <xsl:variable name="zlote"><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$nazwa"/></xsl:call-template></xsl:variable>
    <xsl:if test="$zlote != '0'"><xsl:element name="{$nazwa}"><xsl:value-of select="$zlote"/></xsl:element></xsl:if>
    <xsl:if test="contains($nazwy, ' ')">
      <xsl:call-template name="kwoty"><xsl:with-param name="nazwy" select="substring-after($nazwy, ' ')"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- Pairs of base and tax (P_n and P_n+1), written together when either is not 0; the first of each named. -->
  <xsl:template name="pary">
    <xsl:param name="nazwy"/>
    <xsl:variable name="pierwsza" select="substring-before(concat($nazwy, ' '), ' ')"/>
    <xsl:variable name="druga" select="concat('P_', substring-after($pierwsza, 'P_') + 1)"/>
    <xsl:variable name="podstawa"><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$pierwsza"/></xsl:call-template></xsl:variable>
    <xsl:variable name="podatek"><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="$druga"/></xsl:call-template></xsl:variable>
    <xsl:if test="$podstawa != '0' or $podatek != '0'">
      <xsl:element name="{$pierwsza}"><xsl:value-of select="$podstawa"/></xsl:element>
      <xsl:element name="{$druga}"><xsl:value-of select="$podatek"/></xsl:element>
    </xsl:if>
    <xsl:if test="contains($nazwy, ' ')">
      <xsl:call-template name="pary"><xsl:with-param name="nazwy" select="substring-after($nazwy, ' ')"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- Boxes written only when ticked with one of the allowed values. -->
  <xsl:template name="wybory">
    <xsl:param name="nazwy"/>
    <xsl:param name="dozwolone"/>
    <xsl:variable name="nazwa" select="substring-before(concat($nazwy, ' '), ' ')"/>
    <xsl:variable name="wartosc" select="normalize-space(key('pole', $nazwa))"/>
    <xsl:if test="$wartosc != '' and contains(concat(' ', $dozwolone, ' '), concat(' ', $wartosc, ' '))">
      <xsl:element name="{$nazwa}"><xsl:value-of select="$wartosc"/></xsl:element>
    </xsl:if>
    <xsl:if test="contains($nazwy, ' ')">
      <xsl:call-template name="wybory">
        <xsl:with-param name="nazwy" select="substring-after($nazwy, ' ')"/>
        <xsl:with-param name="dozwolone" select="$dozwolone"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- "DD.MM.YYYY" (Polish) or "M/D/YYYY" (English), a time after a blank ignored, as "YYYY-MM-DD";
       nothing for a text that is neither or for a date before the form's time. -->
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
    <xsl:if test="string-length($iso) = 10 and substring($iso, 1, 4) &gt;= 2016"><xsl:value-of select="$iso"/></xsl:if>
  </xsl:template>
</xsl:stylesheet>
