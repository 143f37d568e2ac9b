// VAT-7(15) z wariantami VAT-7K(9) i VAT-7D(6): numeracja pozycji, według której liczy biblioteka "VAT7".
var VAT7_UKLAD = {
    podstawy: ['P_10', 'P_11', 'P_13', 'P_15', 'P_17', 'P_19', 'P_21', 'P_22', 'P_23', 'P_25', 'P_27', 'P_29',
               'P_31', 'P_32', 'P_34'],
    nalezny: ['P_16', 'P_18', 'P_20', 'P_24', 'P_26', 'P_28', 'P_30', 'P_33', 'P_35', 'P_36'],
    pomniejszenia: ['P_37'],
    wntPodatek: 'P_24',
    naliczony: ['P_40', 'P_42', 'P_44', 'P_45', 'P_46', 'P_47'],
    czesci: [['P_12', 'P_11'], ['P_14', 'P_13']],
    inneKwoty: ['P_12', 'P_14', 'P_41', 'P_43'],
    sumaPodstaw: 'P_38',
    sumaNaleznego: 'P_39',
    sumaNaliczonego: 'P_48',
    kasyOdliczenie: 'P_49',
    zaniechanie: 'P_50',
    doWplaty: 'P_51',
    kasyZwrot: 'P_52',
    nadwyzka: 'P_53',
    doZwrotu: 'P_54',
    terminyZwrotu: ['P_55', 'P_56', 'P_57'],
    doPrzeniesienia: 'P_58',
    vatZd: 'P_66',
    liczbaVatZd: 'P_67'
};
