<?xml version="1.0" encoding="UTF-8"?>
<!-- An attachment's document: one row holding its country, amount and number. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
    <Deklaracja><PozycjeSzczegolowe><Wiersz><Kraj><xsl:value-of select="$s/Kraj"/></Kraj><Kwota><xsl:value-of select="$s/Kwota"/></Kwota><Nr><xsl:value-of select="$s/DkN_Numer"/></Nr></Wiersz></PozycjeSzczegolowe></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
