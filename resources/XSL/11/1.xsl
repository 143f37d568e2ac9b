<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-UE(1): the module's document becomes the tax authority's document of the variant, for the quarter of
     the declaration's month. Its documents of periods up to June 2011 (all the periods it is valid for) carry
     no namespace; a later period would take http://crd.gov.pl/wzor/2011/10/25/690/, the namespace the module
     gives the groups it places then. The taxpayer is written without the etd types of later variants. The
     positions are not the stylesheet's: the module appends them under PozycjeSzczegolowe as groups (from the
     VAT-UE/A, /B and /C attachments). -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
  <xsl:variable name="rok" select="number(normalize-space($s/P_5))"/>
  <xsl:variable name="kwartal" select="normalize-space($s/P_4)"/>
  <xsl:variable name="miesiac" select="3 * number($kwartal)"/>
  <xsl:variable name="ns">
    <xsl:if test="$rok &gt; 2011 or ($rok = 2011 and number($miesiac) &gt;= 7)">http://crd.gov.pl/wzor/2011/10/25/690/</xsl:if>
  </xsl:variable>

  <xsl:template match="/">
    <xsl:element name="Deklaracja" namespace="{$ns}">
      <xsl:element name="Naglowek" namespace="{$ns}">
        <xsl:element name="KodFormularza" namespace="{$ns}">
          <xsl:attribute name="kodSystemowy">VAT-UE(1)</xsl:attribute>VAT-UE</xsl:element>
        <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'WariantFormularza'"/><xsl:with-param name="tekst" select="'1'"/></xsl:call-template>
        <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'Rok'"/><xsl:with-param name="tekst" select="$rok"/></xsl:call-template>
        <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'CelZlozenia'"/><xsl:with-param name="tekst" select="'1'"/></xsl:call-template>
        <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'Kwartal'"/><xsl:with-param name="tekst" select="$kwartal"/></xsl:call-template>
        <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'KodUrzedu'"/><xsl:with-param name="tekst" select="normalize-space($s/KodUrzedu)"/></xsl:call-template>
      </xsl:element>
      <xsl:call-template name="podmiot"><xsl:with-param name="rodzaj" select="normalize-space($s/P_7)"/></xsl:call-template>
      <xsl:element name="PozycjeSzczegolowe" namespace="{$ns}"/>
      <xsl:element name="Pouczenie" namespace="{$ns}"/>
    </xsl:element>
  </xsl:template>

  <!-- The taxpayer: a person (kind 2) or an entity. -->
  <xsl:template name="podmiot">
    <xsl:param name="rodzaj"/>
    <xsl:element name="Podmiot1" namespace="{$ns}">
      <xsl:attribute name="rola">Podatnik</xsl:attribute>
      <xsl:choose>
        <xsl:when test="$rodzaj = '2'">
          <xsl:element name="OsobaFizyczna" namespace="{$ns}">
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'NIP'"/><xsl:with-param name="tekst" select="$s/Nip"/></xsl:call-template>
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'ImiePierwsze'"/><xsl:with-param name="tekst" select="normalize-space($s/ImiePierwsze)"/></xsl:call-template>
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'Nazwisko'"/><xsl:with-param name="tekst" select="normalize-space($s/Nazwisko)"/></xsl:call-template>
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'DataUrodzenia'"/><xsl:with-param name="tekst" select="normalize-space($s/DataUrodzenia)"/></xsl:call-template>
          </xsl:element>
        </xsl:when>
        <xsl:otherwise>
          <xsl:element name="OsobaNiefizyczna" namespace="{$ns}">
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'NIP'"/><xsl:with-param name="tekst" select="$s/Nip"/></xsl:call-template>
            <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'PelnaNazwa'"/><xsl:with-param name="tekst" select="normalize-space($s/PelnaNazwa)"/></xsl:call-template>
            <xsl:if test="normalize-space($s/REGON) != ''">
              <xsl:call-template name="e"><xsl:with-param name="nazwa" select="'REGON'"/><xsl:with-param name="tekst" select="normalize-space($s/REGON)"/></xsl:call-template>
            </xsl:if>
          </xsl:element>
        </xsl:otherwise>
      </xsl:choose>
    </xsl:element>
  </xsl:template>

  <!-- An element of the document's namespace holding a text. -->
  <xsl:template name="e">
    <xsl:param name="nazwa"/>
    <xsl:param name="tekst"/>
    <xsl:element name="{$nazwa}" namespace="{$ns}"><xsl:value-of select="$tekst"/></xsl:element>
  </xsl:template>
</xsl:stylesheet>
