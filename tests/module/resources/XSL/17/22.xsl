<?xml version="1.0" encoding="UTF-8"?>
<!-- A CIT-8's document: its own CIT-8/O and ORD-ZU among the attachments. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:d="urn:tlx:deklaracje:e-deklaracja:1"
    xmlns="http://crd.gov.pl/wzor/test/cit8/" exclude-result-prefixes="d">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="/">
    <Deklaracja><Naglowek><Opis><xsl:value-of select="/d:Deklaracja/Schemat/Opis"/></Opis></Naglowek><Zalaczniki><Zalacznik_CIT-8_O/><Zalacznik_ORD-ZU/></Zalaczniki></Deklaracja>
  </xsl:template>
</xsl:stylesheet>
