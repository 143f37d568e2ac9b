<?xml version="1.0" encoding="UTF-8"?>
<!-- A CIT-ST attachment's document: its number in the header and its entry as a "P_E" before its total "P_169", and the folder of its own attachments. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/test/cit8/" exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <xsl:variable name="s" select="/d:Deklaracja/Schemat"/>
    <Deklaracja><Zalacznik_CIT-ST><Naglowek><Id><xsl:value-of select="$s/DkN_Numer"/></Id></Naglowek><PozycjeSzczegolowe><P_E><xsl:value-of select="$s/Wpis"/></P_E><P_169>0</P_169></PozycjeSzczegolowe><Zalaczniki/></Zalacznik_CIT-ST></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
