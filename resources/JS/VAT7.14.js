// VAT-7(14) z wariantami VAT-7K(8) i VAT-7D(5): numeracja pozycji, według której liczy biblioteka "VAT7".
// Nabywca wykazuje dostawy, dla których jest podatnikiem, w poz. 31 i 32; podatek naliczony obejmuje
// podatek od towarów i usług objętych spisem z natury (poz. 38).
var VAT7_UKLAD = {
    podstawy: ['P_10', 'P_11', 'P_13', 'P_15', 'P_17', 'P_19', 'P_21', 'P_22', 'P_23', 'P_25', 'P_27', 'P_29',
               'P_31'],
    nalezny: ['P_16', 'P_18', 'P_20', 'P_24', 'P_26', 'P_28', 'P_30', 'P_32', 'P_33'],
    pomniejszenia: ['P_34'],
    wntPodatek: 'P_24',
    naliczony: ['P_37', 'P_38', 'P_40', 'P_42', 'P_43', 'P_44'],
    czesci: [['P_12', 'P_11'], ['P_14', 'P_13']],
    inneKwoty: ['P_12', 'P_14', 'P_39', 'P_41'],
    sumaPodstaw: 'P_35',
    sumaNaleznego: 'P_36',
    sumaNaliczonego: 'P_45',
    kasyOdliczenie: 'P_46',
    zaniechanie: 'P_47',
    doWplaty: 'P_48',
    kasyZwrot: 'P_49',
    nadwyzka: 'P_50',
    doZwrotu: 'P_51',
    terminyZwrotu: ['P_52', 'P_53', 'P_54'],
    doPrzeniesienia: 'P_55',
    vatZd: 'P_63',
    liczbaVatZd: 'P_64',
    dataWypelnienia: 'P_69'
};
