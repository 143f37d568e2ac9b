// VAT-7(16) z wariantami VAT-7K(10) i VAT-7D(7): numeracja pozycji, według której liczy biblioteka "VAT7".
var VAT7_UKLAD = {
    podstawy: ['P_10', 'P_11', 'P_13', 'P_15', 'P_17', 'P_19', 'P_21', 'P_22', 'P_23', 'P_25', 'P_27', 'P_29',
               'P_31', 'P_32', 'P_34'],
    nalezny: ['P_16', 'P_18', 'P_20', 'P_24', 'P_26', 'P_28', 'P_30', 'P_33', 'P_35', 'P_36', 'P_37'],
    pomniejszenia: ['P_38'],
    wntPodatek: 'P_24',
    naliczony: ['P_41', 'P_43', 'P_45', 'P_46', 'P_47', 'P_48'],
    czesci: [['P_12', 'P_11'], ['P_14', 'P_13']],
    inneKwoty: ['P_12', 'P_14', 'P_42', 'P_44'],
    sumaPodstaw: 'P_39',
    sumaNaleznego: 'P_40',
    sumaNaliczonego: 'P_49',
    kasyOdliczenie: 'P_50',
    zaniechanie: 'P_51',
    doWplaty: 'P_52',
    kasyZwrot: 'P_53',
    nadwyzka: 'P_54',
    doZwrotu: 'P_55',
    terminyZwrotu: ['P_56', 'P_57', 'P_58'],
    doPrzeniesienia: 'P_59',
    vatZd: 'P_67',
    liczbaVatZd: 'P_68'
};
