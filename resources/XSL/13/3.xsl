<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-UE/A(3), intra-Community supplies of goods: the attachment's positions under PozycjeSzczegolowe, one
     element for each position with a country code, holding the official group's fields (P_Da, P_Db, P_Dc, P_Dd).
     The module places each as a group of the VAT-UE the attachment goes with. The VAT number loses its
     blanks and dashes, the amount is in whole złoty. Nothing here is filed alone: no namespace. -->
<xsl:stylesheet version="1.0"
    xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    exclude-result-prefixes="d">
  <xsl:output method="xml" version="1.0" encoding="UTF-8" indent="no"/>

  <!-- The module's fields by name. -->
  <xsl:key name="pole" match="d:Deklaracja/Schemat/*" use="name()"/>

  <xsl:template match="/">
    <Deklaracja>
      <PozycjeSzczegolowe>
        <xsl:call-template name="pozycja"><xsl:with-param name="i" select="1"/></xsl:call-template>
      </PozycjeSzczegolowe>
    </Deklaracja>
  </xsl:template>

  <!-- Position $i and the ones after it, up to the last the form has. -->
  <xsl:template name="pozycja">
    <xsl:param name="i"/>
    <xsl:if test="key('pole', concat('P_Da', $i))">
      <xsl:if test="normalize-space(key('pole', concat('P_Da', $i))) != ''">
        <Pozycja>
          <P_Da><xsl:value-of select="normalize-space(key('pole', concat('P_Da', $i)))"/></P_Da>
          <P_Db><xsl:value-of select="translate(normalize-space(key('pole', concat('P_Db', $i))), ' -', '')"/></P_Db>
          <P_Dc><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="concat('P_Dc', $i)"/></xsl:call-template></P_Dc>
          <P_Dd><xsl:choose><xsl:when test="normalize-space(key('pole', concat('P_Dd', $i))) = '2'">2</xsl:when><xsl:otherwise>1</xsl:otherwise></xsl:choose></P_Dd>
        </Pozycja>
      </xsl:if>
      <xsl:call-template name="pozycja"><xsl:with-param name="i" select="$i + 1"/></xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A field's amount in whole złoty (a decimal comma or point, rounded half up); 0 for no number. -->
  <xsl:template name="zlote">
    <xsl:param name="nazwa"/>
    <xsl:variable name="liczba" select="number(translate(normalize-space(key('pole', $nazwa)), ',', '.'))"/>
    <xsl:choose>
      <xsl:when test="$liczba = $liczba"><xsl:value-of select="format-number(round($liczba), '0')"/></xsl:when>
      <xsl:otherwise>0</xsl:otherwise>
    </xsl:choose>
  </xsl:template>
</xsl:stylesheet>
