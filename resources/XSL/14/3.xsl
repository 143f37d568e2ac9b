<?xml version="1.0" encoding="UTF-8"?>
<!-- VAT-UE/B(3), intra-Community acquisitions of goods: the attachment's positions under PozycjeSzczegolowe, one
     element for each position with a country code, holding the official group's fields (P_Na, P_Nb, P_Nc, P_Nd).
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
    <xsl:if test="key('pole', concat('P_Na', $i))">
      <xsl:if test="normalize-space(key('pole', concat('P_Na', $i))) != ''">
        <Pozycja>
          <P_Na><xsl:value-of select="normalize-space(key('pole', concat('P_Na', $i)))"/></P_Na>
          <P_Nb><xsl:value-of select="translate(normalize-space(key('pole', concat('P_Nb', $i))), ' -', '')"/></P_Nb>
          <P_Nc><xsl:call-template name="zlote"><xsl:with-param name="nazwa" select="concat('P_Nc', $i)"/></xsl:call-template></P_Nc>
          <P_Nd><xsl:choose><xsl:when test="normalize-space(key('pole', concat('P_Nd', $i))) = '2'">2</xsl:when><xsl:otherwise>1</xsl:otherwise></xsl:choose></P_Nd>
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
