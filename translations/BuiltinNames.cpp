// The names of the built-in categories and units and the units' symbols, as
// lupdate reads them into the translation files; the window translates them
// where it shows them (ui/DisplayNames.h). Written by
// `cmake --build build --target update_translations` from the built-in table
// (translations/NamesSource.cpp), never by hand, and not compiled.
//
// A unit's name is a numerus message: its form after 1 is the name the
// window shows, the others are what people type after other counts ("100
// Meilen"). A unit's name and symbol are disambiguated by its category.

QT_TRANSLATE_NOOP("CategoryName", "Acceleration")
//: cm/s²
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter/second²", "Acceleration")
//: ft/s²
QT_TRANSLATE_N_NOOP3("UnitName", "foot/second²", "Acceleration")
//: g
QT_TRANSLATE_N_NOOP3("UnitName", "free fall", "Acceleration")
//: Gal
QT_TRANSLATE_N_NOOP3("UnitName", "galileo", "Acceleration")
//: in/s²
QT_TRANSLATE_N_NOOP3("UnitName", "inch/second²", "Acceleration")
//: km/h·s
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/hour·second", "Acceleration")
//: m/s²
QT_TRANSLATE_N_NOOP3("UnitName", "meter/second²", "Acceleration")
//: mi/h·min
QT_TRANSLATE_N_NOOP3("UnitName", "mile/hour·minute", "Acceleration")
//: mi/h·s
QT_TRANSLATE_N_NOOP3("UnitName", "mile/hour·second", "Acceleration")
//: yd/s²
QT_TRANSLATE_N_NOOP3("UnitName", "yard/second²", "Acceleration")
//: centimeter/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "cm/s²", "Acceleration")
//: foot/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "ft/s²", "Acceleration")
//: free fall
QT_TRANSLATE_NOOP3("UnitSymbol", "g", "Acceleration")
//: galileo
QT_TRANSLATE_NOOP3("UnitSymbol", "Gal", "Acceleration")
//: inch/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "in/s²", "Acceleration")
//: kilometer/hour·second
QT_TRANSLATE_NOOP3("UnitSymbol", "km/h·s", "Acceleration")
//: meter/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "m/s²", "Acceleration")
//: mile/hour·minute
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/h·min", "Acceleration")
//: mile/hour·second
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/h·s", "Acceleration")
//: yard/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "yd/s²", "Acceleration")

QT_TRANSLATE_NOOP("CategoryName", "Amount of Substance")
//: kmol
QT_TRANSLATE_N_NOOP3("UnitName", "kilomole", "Amount of Substance")
//: µmol
QT_TRANSLATE_N_NOOP3("UnitName", "micromole", "Amount of Substance")
//: mmol
QT_TRANSLATE_N_NOOP3("UnitName", "millimole", "Amount of Substance")
//: mol
QT_TRANSLATE_N_NOOP3("UnitName", "mole", "Amount of Substance")
//: kilomole
QT_TRANSLATE_NOOP3("UnitSymbol", "kmol", "Amount of Substance")
//: micromole
QT_TRANSLATE_NOOP3("UnitSymbol", "µmol", "Amount of Substance")
//: millimole
QT_TRANSLATE_NOOP3("UnitSymbol", "mmol", "Amount of Substance")
//: mole
QT_TRANSLATE_NOOP3("UnitSymbol", "mol", "Amount of Substance")

QT_TRANSLATE_NOOP("CategoryName", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "circle", "Angle")
//: °
QT_TRANSLATE_N_NOOP3("UnitName", "degree", "Angle")
//: gr
QT_TRANSLATE_N_NOOP3("UnitName", "gon", "Angle")
//: gr
QT_TRANSLATE_N_NOOP3("UnitName", "grade", "Angle")
//: µ
QT_TRANSLATE_N_NOOP3("UnitName", "mil", "Angle")
//: '
QT_TRANSLATE_N_NOOP3("UnitName", "minute", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "octant", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "point", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "quadrant", "Angle")
//: rad
QT_TRANSLATE_N_NOOP3("UnitName", "radian", "Angle")
//: r
QT_TRANSLATE_N_NOOP3("UnitName", "revolution", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "right angle", "Angle")
//: "
QT_TRANSLATE_N_NOOP3("UnitName", "second", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "sign", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "sextant", "Angle")
QT_TRANSLATE_N_NOOP3("UnitName", "turn", "Angle")
//: degree
QT_TRANSLATE_NOOP3("UnitSymbol", "°", "Angle")
//: gon, grade
QT_TRANSLATE_NOOP3("UnitSymbol", "gr", "Angle")
//: mil
QT_TRANSLATE_NOOP3("UnitSymbol", "µ", "Angle")
//: minute
QT_TRANSLATE_NOOP3("UnitSymbol", "'", "Angle")
//: radian
QT_TRANSLATE_NOOP3("UnitSymbol", "rad", "Angle")
//: revolution
QT_TRANSLATE_NOOP3("UnitSymbol", "r", "Angle")
//: second
QT_TRANSLATE_NOOP3("UnitSymbol", "\"", "Angle")

QT_TRANSLATE_NOOP("CategoryName", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "hemisphere", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "square degree", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "square minute", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "square second", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "steradian", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "sphere", "Angle (Solid)")
QT_TRANSLATE_N_NOOP3("UnitName", "spherical right angle", "Angle (Solid)")

QT_TRANSLATE_NOOP("CategoryName", "Angular Velocity")
//: °/d
QT_TRANSLATE_N_NOOP3("UnitName", "degree/day", "Angular Velocity")
//: °/h
QT_TRANSLATE_N_NOOP3("UnitName", "degree/hour", "Angular Velocity")
//: °/min
QT_TRANSLATE_N_NOOP3("UnitName", "degree/minute", "Angular Velocity")
//: °/s
QT_TRANSLATE_N_NOOP3("UnitName", "degree/second", "Angular Velocity")
//: rad/d
QT_TRANSLATE_N_NOOP3("UnitName", "radian/day", "Angular Velocity")
//: rad/h
QT_TRANSLATE_N_NOOP3("UnitName", "radian/hour", "Angular Velocity")
//: rad/min
QT_TRANSLATE_N_NOOP3("UnitName", "radian/minute", "Angular Velocity")
//: rad/s
QT_TRANSLATE_N_NOOP3("UnitName", "radian/second", "Angular Velocity")
//: r/d
QT_TRANSLATE_N_NOOP3("UnitName", "revolution/day", "Angular Velocity")
//: r/h
QT_TRANSLATE_N_NOOP3("UnitName", "revolution/hour", "Angular Velocity")
//: r/min
QT_TRANSLATE_N_NOOP3("UnitName", "revolution/minute", "Angular Velocity")
//: r/s
QT_TRANSLATE_N_NOOP3("UnitName", "revolution/second", "Angular Velocity")
//: degree/day
QT_TRANSLATE_NOOP3("UnitSymbol", "°/d", "Angular Velocity")
//: degree/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "°/h", "Angular Velocity")
//: degree/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "°/min", "Angular Velocity")
//: degree/second
QT_TRANSLATE_NOOP3("UnitSymbol", "°/s", "Angular Velocity")
//: radian/day
QT_TRANSLATE_NOOP3("UnitSymbol", "rad/d", "Angular Velocity")
//: radian/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "rad/h", "Angular Velocity")
//: radian/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "rad/min", "Angular Velocity")
//: radian/second
QT_TRANSLATE_NOOP3("UnitSymbol", "rad/s", "Angular Velocity")
//: revolution/day
QT_TRANSLATE_NOOP3("UnitSymbol", "r/d", "Angular Velocity")
//: revolution/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "r/h", "Angular Velocity")
//: revolution/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "r/min", "Angular Velocity")
//: revolution/second
QT_TRANSLATE_NOOP3("UnitSymbol", "r/s", "Angular Velocity")

QT_TRANSLATE_NOOP("CategoryName", "Area")
//: ac
QT_TRANSLATE_N_NOOP3("UnitName", "acre", "Area")
//: b
QT_TRANSLATE_N_NOOP3("UnitName", "barn", "Area")
//: cm²
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter²", "Area")
QT_TRANSLATE_N_NOOP3("UnitName", "darcy", "Area")
//: ft²
QT_TRANSLATE_N_NOOP3("UnitName", "foot²", "Area")
//: ha
QT_TRANSLATE_N_NOOP3("UnitName", "hectare", "Area")
//: in²
QT_TRANSLATE_N_NOOP3("UnitName", "inch²", "Area")
//: km²
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer²", "Area")
//: m²
QT_TRANSLATE_N_NOOP3("UnitName", "meter²", "Area")
//: mi²
QT_TRANSLATE_N_NOOP3("UnitName", "mile²", "Area")
//: mm²
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter²", "Area")
//: ro
QT_TRANSLATE_N_NOOP3("UnitName", "rood", "Area")
QT_TRANSLATE_N_NOOP3("UnitName", "section", "Area")
QT_TRANSLATE_N_NOOP3("UnitName", "square rod", "Area")
QT_TRANSLATE_N_NOOP3("UnitName", "square perch", "Area")
QT_TRANSLATE_N_NOOP3("UnitName", "sulung", "Area")
//: twp
QT_TRANSLATE_N_NOOP3("UnitName", "township (US)", "Area")
//: yd²
QT_TRANSLATE_N_NOOP3("UnitName", "yard²", "Area")
//: acre
QT_TRANSLATE_NOOP3("UnitSymbol", "ac", "Area")
//: barn
QT_TRANSLATE_NOOP3("UnitSymbol", "b", "Area")
//: centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "cm²", "Area")
//: foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "ft²", "Area")
//: hectare
QT_TRANSLATE_NOOP3("UnitSymbol", "ha", "Area")
//: inch²
QT_TRANSLATE_NOOP3("UnitSymbol", "in²", "Area")
//: kilometer²
QT_TRANSLATE_NOOP3("UnitSymbol", "km²", "Area")
//: meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "m²", "Area")
//: mile²
QT_TRANSLATE_NOOP3("UnitSymbol", "mi²", "Area")
//: millimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "mm²", "Area")
//: rood
QT_TRANSLATE_NOOP3("UnitSymbol", "ro", "Area")
//: township (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "twp", "Area")
//: yard²
QT_TRANSLATE_NOOP3("UnitSymbol", "yd²", "Area")

QT_TRANSLATE_NOOP("CategoryName", "Capacitance")
//: abF
QT_TRANSLATE_N_NOOP3("UnitName", "abfarad", "Capacitance")
QT_TRANSLATE_N_NOOP3("UnitName", "EMU of capacitance", "Capacitance")
QT_TRANSLATE_N_NOOP3("UnitName", "ESU of capacitance", "Capacitance")
//: F
QT_TRANSLATE_N_NOOP3("UnitName", "farad", "Capacitance")
//: µF
QT_TRANSLATE_N_NOOP3("UnitName", "microfarad", "Capacitance")
//: pF
QT_TRANSLATE_N_NOOP3("UnitName", "picofarad", "Capacitance")
//: stF
QT_TRANSLATE_N_NOOP3("UnitName", "statfarad", "Capacitance")
//: abfarad
QT_TRANSLATE_NOOP3("UnitSymbol", "abF", "Capacitance")
//: farad
QT_TRANSLATE_NOOP3("UnitSymbol", "F", "Capacitance")
//: microfarad
QT_TRANSLATE_NOOP3("UnitSymbol", "µF", "Capacitance")
//: picofarad
QT_TRANSLATE_NOOP3("UnitSymbol", "pF", "Capacitance")
//: statfarad
QT_TRANSLATE_NOOP3("UnitSymbol", "stF", "Capacitance")

QT_TRANSLATE_NOOP("CategoryName", "Charge")
//: abC
QT_TRANSLATE_N_NOOP3("UnitName", "abcoulomb", "Charge")
//: A·h
QT_TRANSLATE_N_NOOP3("UnitName", "ampere hour", "Charge")
//: A·min
QT_TRANSLATE_N_NOOP3("UnitName", "ampere minute", "Charge")
//: A·s
QT_TRANSLATE_N_NOOP3("UnitName", "ampere second", "Charge")
//: C
QT_TRANSLATE_N_NOOP3("UnitName", "coulomb", "Charge")
//: F
QT_TRANSLATE_N_NOOP3("UnitName", "faraday", "Charge")
//: Fr
QT_TRANSLATE_N_NOOP3("UnitName", "franklin", "Charge")
//: statC
QT_TRANSLATE_N_NOOP3("UnitName", "statcoulomb", "Charge")
//: abcoulomb
QT_TRANSLATE_NOOP3("UnitSymbol", "abC", "Charge")
//: ampere hour
QT_TRANSLATE_NOOP3("UnitSymbol", "A·h", "Charge")
//: ampere minute
QT_TRANSLATE_NOOP3("UnitSymbol", "A·min", "Charge")
//: ampere second
QT_TRANSLATE_NOOP3("UnitSymbol", "A·s", "Charge")
//: coulomb
QT_TRANSLATE_NOOP3("UnitSymbol", "C", "Charge")
//: faraday
QT_TRANSLATE_NOOP3("UnitSymbol", "F", "Charge")
//: franklin
QT_TRANSLATE_NOOP3("UnitSymbol", "Fr", "Charge")
//: statcoulomb
QT_TRANSLATE_NOOP3("UnitSymbol", "statC", "Charge")

QT_TRANSLATE_NOOP("CategoryName", "Concentration (Liquid)")
//: gr/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "grain/gallon (UK)", "Concentration (Liquid)")
//: gr/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "grain/gallon (US)", "Concentration (Liquid)")
//: g/L
QT_TRANSLATE_N_NOOP3("UnitName", "gram/liter", "Concentration (Liquid)")
//: kg/L
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/liter", "Concentration (Liquid)")
//: mg/L
QT_TRANSLATE_N_NOOP3("UnitName", "milligram/liter", "Concentration (Liquid)")
//: ppm
QT_TRANSLATE_N_NOOP3("UnitName", "part/million", "Concentration (Liquid)")
//: lb/ft³
QT_TRANSLATE_N_NOOP3("UnitName", "pound/foot³", "Concentration (Liquid)")
//: lb/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/gallon (UK)", "Concentration (Liquid)")
//: lb/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/gallon (US)", "Concentration (Liquid)")
//: lb/10^6 gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/million gallon (UK)", "Concentration (Liquid)")
//: lb/10^6 gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/million gallon (US)", "Concentration (Liquid)")
//: grain/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gr/gal (UK)", "Concentration (Liquid)")
//: grain/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "gr/gal (US)", "Concentration (Liquid)")
//: gram/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "g/L", "Concentration (Liquid)")
//: kilogram/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/L", "Concentration (Liquid)")
//: milligram/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "mg/L", "Concentration (Liquid)")
//: part/million
QT_TRANSLATE_NOOP3("UnitSymbol", "ppm", "Concentration (Liquid)")
//: pound/foot³
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/ft³", "Concentration (Liquid)")
//: pound/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/gal (UK)", "Concentration (Liquid)")
//: pound/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/gal (US)", "Concentration (Liquid)")
//: pound/million gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/10^6 gal (UK)", "Concentration (Liquid)")
//: pound/million gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/10^6 gal (US)", "Concentration (Liquid)")

QT_TRANSLATE_NOOP("CategoryName", "Concentration (Molar)")
//: kmol/cm³
QT_TRANSLATE_N_NOOP3("UnitName", "kilomole/centimeter³", "Concentration (Molar)")
//: kmol/m³
QT_TRANSLATE_N_NOOP3("UnitName", "kilomole/meter³", "Concentration (Molar)")
//: kmol/mm³
QT_TRANSLATE_N_NOOP3("UnitName", "kilomole/millimeter³", "Concentration (Molar)")
//: kmol/L
QT_TRANSLATE_N_NOOP3("UnitName", "kilomole/liter", "Concentration (Molar)")
//: mmol/cm³
QT_TRANSLATE_N_NOOP3("UnitName", "millimole/centimeter³", "Concentration (Molar)")
//: mmol/m³
QT_TRANSLATE_N_NOOP3("UnitName", "millimole/meter³", "Concentration (Molar)")
//: mmol/mm³
QT_TRANSLATE_N_NOOP3("UnitName", "millimole/millimeter³", "Concentration (Molar)")
//: mmol/L
QT_TRANSLATE_N_NOOP3("UnitName", "millimole/liter", "Concentration (Molar)")
//: mol/cm³
QT_TRANSLATE_N_NOOP3("UnitName", "mole/centimeter³", "Concentration (Molar)")
//: mol/L
QT_TRANSLATE_N_NOOP3("UnitName", "mole/liter", "Concentration (Molar)")
//: mol/m³
QT_TRANSLATE_N_NOOP3("UnitName", "mole/meter³", "Concentration (Molar)")
//: mol/mm³
QT_TRANSLATE_N_NOOP3("UnitName", "mole/millimeter³", "Concentration (Molar)")
//: kilomole/centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kmol/cm³", "Concentration (Molar)")
//: kilomole/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kmol/m³", "Concentration (Molar)")
//: kilomole/millimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kmol/mm³", "Concentration (Molar)")
//: kilomole/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "kmol/L", "Concentration (Molar)")
//: millimole/centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mmol/cm³", "Concentration (Molar)")
//: millimole/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mmol/m³", "Concentration (Molar)")
//: millimole/millimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mmol/mm³", "Concentration (Molar)")
//: millimole/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "mmol/L", "Concentration (Molar)")
//: mole/centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mol/cm³", "Concentration (Molar)")
//: mole/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "mol/L", "Concentration (Molar)")
//: mole/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mol/m³", "Concentration (Molar)")
//: mole/millimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mol/mm³", "Concentration (Molar)")

QT_TRANSLATE_NOOP("CategoryName", "Conductance")
QT_TRANSLATE_N_NOOP3("UnitName", "abmho", "Conductance")
QT_TRANSLATE_N_NOOP3("UnitName", "gemmho", "Conductance")
//: kS
QT_TRANSLATE_N_NOOP3("UnitName", "kilosiemen", "Conductance")
//: MS
QT_TRANSLATE_N_NOOP3("UnitName", "megasiemen", "Conductance")
QT_TRANSLATE_N_NOOP3("UnitName", "mho", "Conductance")
QT_TRANSLATE_N_NOOP3("UnitName", "micromho", "Conductance")
//: µS
QT_TRANSLATE_N_NOOP3("UnitName", "microsiemen", "Conductance")
//: mS
QT_TRANSLATE_N_NOOP3("UnitName", "millisiemen", "Conductance")
//: S
QT_TRANSLATE_N_NOOP3("UnitName", "siemens", "Conductance")
QT_TRANSLATE_N_NOOP3("UnitName", "statmho", "Conductance")
//: kilosiemen
QT_TRANSLATE_NOOP3("UnitSymbol", "kS", "Conductance")
//: megasiemen
QT_TRANSLATE_NOOP3("UnitSymbol", "MS", "Conductance")
//: microsiemen
QT_TRANSLATE_NOOP3("UnitSymbol", "µS", "Conductance")
//: millisiemen
QT_TRANSLATE_NOOP3("UnitSymbol", "mS", "Conductance")
//: siemens
QT_TRANSLATE_NOOP3("UnitSymbol", "S", "Conductance")

QT_TRANSLATE_NOOP("CategoryName", "Current")
//: abA
QT_TRANSLATE_N_NOOP3("UnitName", "abampere", "Current")
//: A
QT_TRANSLATE_N_NOOP3("UnitName", "ampere", "Current")
QT_TRANSLATE_N_NOOP3("UnitName", "EMU of current", "Current")
QT_TRANSLATE_N_NOOP3("UnitName", "ESU of current", "Current")
QT_TRANSLATE_N_NOOP3("UnitName", "gilbert", "Current")
//: µA
QT_TRANSLATE_N_NOOP3("UnitName", "microampere", "Current")
//: mA
QT_TRANSLATE_N_NOOP3("UnitName", "milliampere", "Current")
//: stA
QT_TRANSLATE_N_NOOP3("UnitName", "statampere", "Current")
//: abampere
QT_TRANSLATE_NOOP3("UnitSymbol", "abA", "Current")
//: ampere
QT_TRANSLATE_NOOP3("UnitSymbol", "A", "Current")
//: microampere
QT_TRANSLATE_NOOP3("UnitSymbol", "µA", "Current")
//: milliampere
QT_TRANSLATE_NOOP3("UnitSymbol", "mA", "Current")
//: statampere
QT_TRANSLATE_NOOP3("UnitSymbol", "stA", "Current")

QT_TRANSLATE_NOOP("CategoryName", "Data")
//: b
QT_TRANSLATE_N_NOOP3("UnitName", "bit", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "block", "Data")
//: B
QT_TRANSLATE_N_NOOP3("UnitName", "byte", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "Blu-ray (1 layer)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "Blu-ray (2 layer)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "CD (74 minute)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "CD (80 minute)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "character", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD (1 layer, 1 side)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD (2 layer, 1 side)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD (1 layer, 2 side)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD (2 layer, 2 side)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "HD-DVD (1 layer)", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "HD-DVD (2 layer)", "Data")
//: kb
QT_TRANSLATE_N_NOOP3("UnitName", "kilobit", "Data")
//: kB
QT_TRANSLATE_N_NOOP3("UnitName", "kilobyte", "Data")
//: Mb
QT_TRANSLATE_N_NOOP3("UnitName", "megabit", "Data")
//: MB
QT_TRANSLATE_N_NOOP3("UnitName", "megabyte", "Data")
//: Gb
QT_TRANSLATE_N_NOOP3("UnitName", "gigabit", "Data")
//: GB
QT_TRANSLATE_N_NOOP3("UnitName", "gigabyte", "Data")
//: Tb
QT_TRANSLATE_N_NOOP3("UnitName", "terabit", "Data")
//: TB
QT_TRANSLATE_N_NOOP3("UnitName", "terabyte", "Data")
//: Pb
QT_TRANSLATE_N_NOOP3("UnitName", "petabit", "Data")
//: PB
QT_TRANSLATE_N_NOOP3("UnitName", "petabyte", "Data")
//: Eb
QT_TRANSLATE_N_NOOP3("UnitName", "exabit", "Data")
//: EB
QT_TRANSLATE_N_NOOP3("UnitName", "exabyte", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "nibble", "Data")
//: ZB
QT_TRANSLATE_N_NOOP3("UnitName", "zettabyte", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "word", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "MAPM-word", "Data")
QT_TRANSLATE_N_NOOP3("UnitName", "quadruple-word", "Data")
//: bit
QT_TRANSLATE_NOOP3("UnitSymbol", "b", "Data")
//: byte
QT_TRANSLATE_NOOP3("UnitSymbol", "B", "Data")
//: kilobit
QT_TRANSLATE_NOOP3("UnitSymbol", "kb", "Data")
//: kilobyte
QT_TRANSLATE_NOOP3("UnitSymbol", "kB", "Data")
//: megabit
QT_TRANSLATE_NOOP3("UnitSymbol", "Mb", "Data")
//: megabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "MB", "Data")
//: gigabit
QT_TRANSLATE_NOOP3("UnitSymbol", "Gb", "Data")
//: gigabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "GB", "Data")
//: terabit
QT_TRANSLATE_NOOP3("UnitSymbol", "Tb", "Data")
//: terabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "TB", "Data")
//: petabit
QT_TRANSLATE_NOOP3("UnitSymbol", "Pb", "Data")
//: petabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "PB", "Data")
//: exabit
QT_TRANSLATE_NOOP3("UnitSymbol", "Eb", "Data")
//: exabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "EB", "Data")
//: zettabyte
QT_TRANSLATE_NOOP3("UnitSymbol", "ZB", "Data")

QT_TRANSLATE_NOOP("CategoryName", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "bit/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "byte/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "kilobit/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "kilobyte/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "megabit/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "megabyte/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabit/second (SI) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabyte/second (SI) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "terabit/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "terabyte/second (SI)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "terabit/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "terabyte/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ethernet", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ethernet (fast)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ethernet (gigabit)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ISDN (single channel) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ISDN (dual channel) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Fast) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (LVD Ultral6O) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PlO mode 0) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PlO mode 1) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PlO mode 2)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PlO mode 3) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PlO mode 4) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "firewire (IEEE-i394) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "TO (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "TO (B8ZS payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Ti (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Ti (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "TiZ (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "TiC (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "TiC (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T2 (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T3 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T3 (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T3Z (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T4 (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "HO ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Hil ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "H12 ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS3 (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS3 (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS3c (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS3c (payload) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS48 (signal) ", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "AGP", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "AGP 2X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "AGP 4X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "AGP 8X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ATM", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 12X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 16X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 1X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 24X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 2X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 32X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 3X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 40X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 48X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 4X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 52X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 6X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "CD-ROM 8X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "character/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 1X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 2X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 3X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 4X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 6X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "DVD-ROM 8X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 1 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 1 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 2 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 2 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 3 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "E.P.T.A. 3 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ethernet (10 gigabit)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "fiber channel", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "firewire (IEEE-1394)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabit/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabit/second (SI def.)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabyte/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "gigabyte/second (SI def.)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "H0", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "H11", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "H12", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (DMA mode 0)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (DMA mode 1)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (DMA mode 2)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PIO mode 0)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PIO mode 1)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PIO mode 2)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PIO mode 3)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (PIO mode 4)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 0)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 1)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 2)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 3)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 4)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 5)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA mode 6)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA-100)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA-133)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA-33)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IDE (UDMA-66)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IrDA", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "IrDA-2", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ISA (16-bit)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "ISA (8-bit)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "kilobit/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "kilobyte/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "megabit/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "megabyte/second", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (110)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (1200)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (14.4k)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (2400)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (28.8k)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (300)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (33.6k)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (56k)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "modem (9600)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC1", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC12", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC192", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC24", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC3", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC48", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "OC768", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "PCI", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "PCI (64-bit 66MHz)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "PCI (64-bit)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "PCI-X", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Async)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Fast Ultra Wide)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Fast Ultra)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Fast Wide)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (LVD Ultra160)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (LVD Ultra320)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (LVD Ultra80)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Sync)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Ultra-2)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "SCSI (Ultra-3)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STM-1 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STM-16 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STM-4 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STM-64 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS1 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS1 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS12 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS192 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "STS24 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T0 (B8ZS payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T0 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T1 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T1 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T1C (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T1C (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "T1Z (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "token ring", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "USB", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "USB 2.0", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 1 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 1 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 2 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 2 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 6 (payload)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "Virtual Tributary 6 (signal)", "Data Transfer")
QT_TRANSLATE_N_NOOP3("UnitName", "VLB", "Data Transfer")

QT_TRANSLATE_NOOP("CategoryName", "Density")
//: gr/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "grain/gallon (US)", "Density")
//: g/cm³
QT_TRANSLATE_N_NOOP3("UnitName", "gram/centimeter³", "Density")
//: g/L
QT_TRANSLATE_N_NOOP3("UnitName", "gram/liter", "Density")
//: g/m³
QT_TRANSLATE_N_NOOP3("UnitName", "gram/meter³", "Density")
//: kg/m³
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/meter³", "Density")
//: kg/L
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/liter", "Density")
//: mg/m³
QT_TRANSLATE_N_NOOP3("UnitName", "milligram/meter³", "Density")
//: oz/gal
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/gallon", "Density")
//: lb/ft³
QT_TRANSLATE_N_NOOP3("UnitName", "pound/foot³", "Density")
//: lb/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/gallon (UK)", "Density")
//: lb/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "pound/gallon (US)", "Density")
//: lb/in³
QT_TRANSLATE_N_NOOP3("UnitName", "pound/inch³", "Density")
//: lb/yd³
QT_TRANSLATE_N_NOOP3("UnitName", "pound/yard³", "Density")
//: slug/ft³
QT_TRANSLATE_N_NOOP3("UnitName", "slug/foot³", "Density")
//: t/yd³
QT_TRANSLATE_N_NOOP3("UnitName", "ton/yard³", "Density")
//: grain/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "gr/gal (US)", "Density")
//: gram/centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "g/cm³", "Density")
//: gram/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "g/L", "Density")
//: gram/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "g/m³", "Density")
//: kilogram/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/m³", "Density")
//: kilogram/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/L", "Density")
//: milligram/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "mg/m³", "Density")
//: ounce/gallon
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/gal", "Density")
//: pound/foot³
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/ft³", "Density")
//: pound/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/gal (UK)", "Density")
//: pound/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/gal (US)", "Density")
//: pound/inch³
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/in³", "Density")
//: pound/yard³
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/yd³", "Density")
//: slug/foot³
QT_TRANSLATE_NOOP3("UnitSymbol", "slug/ft³", "Density")
//: ton/yard³
QT_TRANSLATE_NOOP3("UnitSymbol", "t/yd³", "Density")

QT_TRANSLATE_NOOP("CategoryName", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "agate line", "Distance")
//: Å
QT_TRANSLATE_N_NOOP3("UnitName", "angstrom", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "arm length", "Distance")
//: AU
QT_TRANSLATE_N_NOOP3("UnitName", "astronomical unit", "Distance")
//: au
QT_TRANSLATE_N_NOOP3("UnitName", "atomic unit of length", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "bamboo", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "barleycorn", "Distance")
//: b
QT_TRANSLATE_N_NOOP3("UnitName", "Bohr radius", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "bu (Japan)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cable (int.)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cable (UK)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cable (US)", "Distance")
//: cal
QT_TRANSLATE_N_NOOP3("UnitName", "calibre", "Distance")
//: cm
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter", "Distance")
//: ch
QT_TRANSLATE_N_NOOP3("UnitName", "chain (Gunter, Survey)", "Distance")
//: ch
QT_TRANSLATE_N_NOOP3("UnitName", "chain (Ramsden, Engineer)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cho (Japan)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cicero", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "cubit", "Distance")
//: dm
QT_TRANSLATE_N_NOOP3("UnitName", "decimeter", "Distance")
//: dam
QT_TRANSLATE_N_NOOP3("UnitName", "dekameter", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "ell (UK)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "em (pica)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "faden (German)", "Distance")
//: fm
QT_TRANSLATE_N_NOOP3("UnitName", "fathom", "Distance")
//: fm
QT_TRANSLATE_N_NOOP3("UnitName", "fermi", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "finger", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "finger (cloth)", "Distance")
//: ft (Benoit)
QT_TRANSLATE_N_NOOP3("UnitName", "foot (Benoit)", "Distance")
//: ft (Clarke, Cape)
QT_TRANSLATE_N_NOOP3("UnitName", "foot (Clarke, Cape)", "Distance")
//: ft
QT_TRANSLATE_N_NOOP3("UnitName", "foot", "Distance")
//: ft (Indian)
QT_TRANSLATE_N_NOOP3("UnitName", "foot (Indian)", "Distance")
//: ft (Sear)
QT_TRANSLATE_N_NOOP3("UnitName", "foot (Sear)", "Distance")
//: ft (US Survey)
QT_TRANSLATE_N_NOOP3("UnitName", "foot (US Survey)", "Distance")
//: fur
QT_TRANSLATE_N_NOOP3("UnitName", "furlong", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "fuß (German)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "geographical mile", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "hand", "Distance")
//: hm
QT_TRANSLATE_N_NOOP3("UnitName", "hectometer", "Distance")
//: in
QT_TRANSLATE_N_NOOP3("UnitName", "inch", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "jo (Japan)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "ken (Japan)", "Distance")
//: km
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "klafter", "Distance")
//: lea
QT_TRANSLATE_N_NOOP3("UnitName", "league", "Distance")
//: lea (nautical)
QT_TRANSLATE_N_NOOP3("UnitName", "league (nautical)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "light day", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "light hour", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "light minute", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "light second", "Distance")
//: ly
QT_TRANSLATE_N_NOOP3("UnitName", "light year", "Distance")
//: li
QT_TRANSLATE_N_NOOP3("UnitName", "line", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "link (Gunter, Surveyor)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "link (Ramsden, Engineer)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "marathon", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "megalithic yard", "Distance")
//: Mm
QT_TRANSLATE_N_NOOP3("UnitName", "megameter", "Distance")
//: Mpc
QT_TRANSLATE_N_NOOP3("UnitName", "megaparsec", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "meile (German)", "Distance")
//: m
QT_TRANSLATE_N_NOOP3("UnitName", "meter", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "mickey", "Distance")
//: µin
QT_TRANSLATE_N_NOOP3("UnitName", "microinch", "Distance")
//: µm
QT_TRANSLATE_N_NOOP3("UnitName", "micrometer", "Distance")
//: µ
QT_TRANSLATE_N_NOOP3("UnitName", "micron", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "mil", "Distance")
//: mi
QT_TRANSLATE_N_NOOP3("UnitName", "mile", "Distance")
//: mi (metric)
QT_TRANSLATE_N_NOOP3("UnitName", "mile (metric)", "Distance")
//: mm
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter", "Distance")
//: mµ
QT_TRANSLATE_N_NOOP3("UnitName", "millimicron", "Distance")
//: mpc
QT_TRANSLATE_N_NOOP3("UnitName", "milliparsec", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "mkono (Africa)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "mo (Japan)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "mondo point", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "nail (cloth)", "Distance")
//: nm
QT_TRANSLATE_N_NOOP3("UnitName", "nanometer", "Distance")
//: NM, nmi
QT_TRANSLATE_N_NOOP3("UnitName", "nautical mile", "Distance")
//: pc
QT_TRANSLATE_N_NOOP3("UnitName", "parsec", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pace", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "palm", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "perch", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pica (ATA)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pica (PostScript)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pica (Tex)", "Distance")
//: pm
QT_TRANSLATE_N_NOOP3("UnitName", "picometer", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pied (Canada)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "point (ATA)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "point (Didot, Europe)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "point (metric)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "point (PostScript)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "point (Tex)", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "Planck", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "pole", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "siegbahn", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "ounce", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "span", "Distance")
QT_TRANSLATE_N_NOOP3("UnitName", "span (cloth)", "Distance")
//: S
QT_TRANSLATE_N_NOOP3("UnitName", "spat", "Distance")
//: twp
QT_TRANSLATE_N_NOOP3("UnitName", "twip", "Distance")
//: xu
QT_TRANSLATE_N_NOOP3("UnitName", "x unit", "Distance")
//: yd
QT_TRANSLATE_N_NOOP3("UnitName", "yard", "Distance")
//: angstrom
QT_TRANSLATE_NOOP3("UnitSymbol", "Å", "Distance")
//: astronomical unit
QT_TRANSLATE_NOOP3("UnitSymbol", "AU", "Distance")
//: atomic unit of length
QT_TRANSLATE_NOOP3("UnitSymbol", "au", "Distance")
//: Bohr radius
QT_TRANSLATE_NOOP3("UnitSymbol", "b", "Distance")
//: calibre
QT_TRANSLATE_NOOP3("UnitSymbol", "cal", "Distance")
//: centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "cm", "Distance")
//: chain (Gunter, Survey), chain (Ramsden, Engineer)
QT_TRANSLATE_NOOP3("UnitSymbol", "ch", "Distance")
//: decimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "dm", "Distance")
//: dekameter
QT_TRANSLATE_NOOP3("UnitSymbol", "dam", "Distance")
//: fathom, fermi
QT_TRANSLATE_NOOP3("UnitSymbol", "fm", "Distance")
//: foot (Benoit)
QT_TRANSLATE_NOOP3("UnitSymbol", "ft (Benoit)", "Distance")
//: foot (Clarke, Cape)
QT_TRANSLATE_NOOP3("UnitSymbol", "ft (Clarke, Cape)", "Distance")
//: foot
QT_TRANSLATE_NOOP3("UnitSymbol", "ft", "Distance")
//: foot (Indian)
QT_TRANSLATE_NOOP3("UnitSymbol", "ft (Indian)", "Distance")
//: foot (Sear)
QT_TRANSLATE_NOOP3("UnitSymbol", "ft (Sear)", "Distance")
//: foot (US Survey)
QT_TRANSLATE_NOOP3("UnitSymbol", "ft (US Survey)", "Distance")
//: furlong
QT_TRANSLATE_NOOP3("UnitSymbol", "fur", "Distance")
//: hectometer
QT_TRANSLATE_NOOP3("UnitSymbol", "hm", "Distance")
//: inch
QT_TRANSLATE_NOOP3("UnitSymbol", "in", "Distance")
//: kilometer
QT_TRANSLATE_NOOP3("UnitSymbol", "km", "Distance")
//: league
QT_TRANSLATE_NOOP3("UnitSymbol", "lea", "Distance")
//: league (nautical)
QT_TRANSLATE_NOOP3("UnitSymbol", "lea (nautical)", "Distance")
//: light year
QT_TRANSLATE_NOOP3("UnitSymbol", "ly", "Distance")
//: line
QT_TRANSLATE_NOOP3("UnitSymbol", "li", "Distance")
//: megameter
QT_TRANSLATE_NOOP3("UnitSymbol", "Mm", "Distance")
//: megaparsec
QT_TRANSLATE_NOOP3("UnitSymbol", "Mpc", "Distance")
//: meter
QT_TRANSLATE_NOOP3("UnitSymbol", "m", "Distance")
//: microinch
QT_TRANSLATE_NOOP3("UnitSymbol", "µin", "Distance")
//: micrometer
QT_TRANSLATE_NOOP3("UnitSymbol", "µm", "Distance")
//: micron
QT_TRANSLATE_NOOP3("UnitSymbol", "µ", "Distance")
//: mile
QT_TRANSLATE_NOOP3("UnitSymbol", "mi", "Distance")
//: mile (metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "mi (metric)", "Distance")
//: millimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "mm", "Distance")
//: millimicron
QT_TRANSLATE_NOOP3("UnitSymbol", "mµ", "Distance")
//: milliparsec
QT_TRANSLATE_NOOP3("UnitSymbol", "mpc", "Distance")
//: nanometer
QT_TRANSLATE_NOOP3("UnitSymbol", "nm", "Distance")
//: nautical mile
QT_TRANSLATE_NOOP3("UnitSymbol", "NM, nmi", "Distance")
//: parsec
QT_TRANSLATE_NOOP3("UnitSymbol", "pc", "Distance")
//: picometer
QT_TRANSLATE_NOOP3("UnitSymbol", "pm", "Distance")
//: spat
QT_TRANSLATE_NOOP3("UnitSymbol", "S", "Distance")
//: twip
QT_TRANSLATE_NOOP3("UnitSymbol", "twp", "Distance")
//: x unit
QT_TRANSLATE_NOOP3("UnitSymbol", "xu", "Distance")
//: yard
QT_TRANSLATE_NOOP3("UnitSymbol", "yd", "Distance")

QT_TRANSLATE_NOOP("CategoryName", "Energy")
//: Btu (IT)
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal unit (IT)", "Energy")
//: Btu (th)
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal unit (th)", "Energy")
//: Btu (mean)
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal unit (mean)", "Energy")
//: Btu (39 °F)
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal unit (39 °F)", "Energy")
//: Btu (59 °FF)
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal unit (59 °F)", "Energy")
//: cal (IT)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie (IT)", "Energy")
//: cal (th)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie (th)", "Energy")
//: cal (mean)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie (mean)", "Energy")
//: cal (15 °C)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie (15 °C)", "Energy")
//: cal (20 °C)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie (20 °C)", "Energy")
//: eV
QT_TRANSLATE_N_NOOP3("UnitName", "electronvolt", "Energy")
//: erg
QT_TRANSLATE_N_NOOP3("UnitName", "erg", "Energy")
QT_TRANSLATE_N_NOOP3("UnitName", "foot poundal", "Energy")
//: ft·lbf
QT_TRANSLATE_N_NOOP3("UnitName", "foot pound-force", "Energy")
//: J
QT_TRANSLATE_N_NOOP3("UnitName", "joule", "Energy")
//: kcal (IT)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie (IT)", "Energy")
//: kcal (th)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie (th)", "Energy")
//: kcal (mean)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie (mean)", "Energy")
//: kJ
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule", "Energy")
//: kW·h
QT_TRANSLATE_N_NOOP3("UnitName", "kilowatt hour", "Energy")
//: MJ
QT_TRANSLATE_N_NOOP3("UnitName", "megajoule", "Energy")
QT_TRANSLATE_N_NOOP3("UnitName", "quad", "Energy")
QT_TRANSLATE_N_NOOP3("UnitName", "therm (EC)", "Energy")
QT_TRANSLATE_N_NOOP3("UnitName", "therm (US)", "Energy")
//: tTNT
QT_TRANSLATE_N_NOOP3("UnitName", "ton of TNT", "Energy")
//: W·h
QT_TRANSLATE_N_NOOP3("UnitName", "watt hour", "Energy")
//: W·s
QT_TRANSLATE_N_NOOP3("UnitName", "watt second", "Energy")
//: British thermal unit (IT)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu (IT)", "Energy")
//: British thermal unit (th)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu (th)", "Energy")
//: British thermal unit (mean)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu (mean)", "Energy")
//: British thermal unit (39 °F)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu (39 °F)", "Energy")
//: British thermal unit (59 °F)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu (59 °FF)", "Energy")
//: calorie (IT)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal (IT)", "Energy")
//: calorie (th)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal (th)", "Energy")
//: calorie (mean)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal (mean)", "Energy")
//: calorie (15 °C)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal (15 °C)", "Energy")
//: calorie (20 °C)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal (20 °C)", "Energy")
//: electronvolt
QT_TRANSLATE_NOOP3("UnitSymbol", "eV", "Energy")
//: erg
QT_TRANSLATE_NOOP3("UnitSymbol", "erg", "Energy")
//: foot pound-force
QT_TRANSLATE_NOOP3("UnitSymbol", "ft·lbf", "Energy")
//: joule
QT_TRANSLATE_NOOP3("UnitSymbol", "J", "Energy")
//: kilocalorie (IT)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal (IT)", "Energy")
//: kilocalorie (th)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal (th)", "Energy")
//: kilocalorie (mean)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal (mean)", "Energy")
//: kilojoule
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ", "Energy")
//: kilowatt hour
QT_TRANSLATE_NOOP3("UnitSymbol", "kW·h", "Energy")
//: megajoule
QT_TRANSLATE_NOOP3("UnitSymbol", "MJ", "Energy")
//: ton of TNT
QT_TRANSLATE_NOOP3("UnitSymbol", "tTNT", "Energy")
//: watt hour
QT_TRANSLATE_NOOP3("UnitSymbol", "W·h", "Energy")
//: watt second
QT_TRANSLATE_NOOP3("UnitSymbol", "W·s", "Energy")

QT_TRANSLATE_NOOP("CategoryName", "Enthalpy (Mass)")
//: Btu/lb
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal units/pound", "Enthalpy (Mass)")
//: cal/g
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/gram", "Enthalpy (Mass)")
//: J/kg
QT_TRANSLATE_N_NOOP3("UnitName", "joule/kilogram", "Enthalpy (Mass)")
//: kcal/kg
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/kilogram", "Enthalpy (Mass)")
//: kJ/kg
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/kilogram", "Enthalpy (Mass)")
//: British thermal units/pound
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/lb", "Enthalpy (Mass)")
//: calorie/gram
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/g", "Enthalpy (Mass)")
//: joule/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "J/kg", "Enthalpy (Mass)")
//: kilocalorie/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/kg", "Enthalpy (Mass)")
//: kilojoule/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/kg", "Enthalpy (Mass)")

QT_TRANSLATE_NOOP("CategoryName", "Enthalpy (Molar)")
//: Btu/lbmol
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal units/pound mole", "Enthalpy (Molar)")
//: cal/mol
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/mole", "Enthalpy (Molar)")
//: J/mol
QT_TRANSLATE_N_NOOP3("UnitName", "joule/mole", "Enthalpy (Molar)")
//: J/kmol
QT_TRANSLATE_N_NOOP3("UnitName", "joule/kilomole", "Enthalpy (Molar)")
//: kcal/kmol
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/kilomole", "Enthalpy (Molar)")
//: kcal/mol
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/mole", "Enthalpy (Molar)")
//: kJ/mol
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/mole", "Enthalpy (Molar)")
//: British thermal units/pound mole
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/lbmol", "Enthalpy (Molar)")
//: calorie/mole
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/mol", "Enthalpy (Molar)")
//: joule/mole
QT_TRANSLATE_NOOP3("UnitSymbol", "J/mol", "Enthalpy (Molar)")
//: joule/kilomole
QT_TRANSLATE_NOOP3("UnitSymbol", "J/kmol", "Enthalpy (Molar)")
//: kilocalorie/kilomole
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/kmol", "Enthalpy (Molar)")
//: kilocalorie/mole
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/mol", "Enthalpy (Molar)")
//: kilojoule/mole
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/mol", "Enthalpy (Molar)")

QT_TRANSLATE_NOOP("CategoryName", "Enthalpy (Volume)")
//: Btu/ft³
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal units/foot³", "Enthalpy (Volume)")
//: Btu/gal
QT_TRANSLATE_N_NOOP3("UnitName", "British thermal units/gallon", "Enthalpy (Volume)")
//: kcal/m³
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/meter³", "Enthalpy (Volume)")
//: kJ/m³
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/meter³", "Enthalpy (Volume)")
//: MJ/m³
QT_TRANSLATE_N_NOOP3("UnitName", "megajoule/meter³", "Enthalpy (Volume)")
//: British thermal units/foot³
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/ft³", "Enthalpy (Volume)")
//: British thermal units/gallon
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/gal", "Enthalpy (Volume)")
//: kilocalorie/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/m³", "Enthalpy (Volume)")
//: kilojoule/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/m³", "Enthalpy (Volume)")
//: megajoule/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "MJ/m³", "Enthalpy (Volume)")

QT_TRANSLATE_NOOP("CategoryName", "Flow")
//: cm³/h
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter³/hour", "Flow")
//: cm³/min
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter³/minute", "Flow")
//: cm³/s
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter³/second", "Flow")
//: ft³/h
QT_TRANSLATE_N_NOOP3("UnitName", "foot³/hour", "Flow")
//: ft³/min
QT_TRANSLATE_N_NOOP3("UnitName", "foot³/minute", "Flow")
//: ft³/s
QT_TRANSLATE_N_NOOP3("UnitName", "foot³/second", "Flow")
//: gal/d (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/day(UK)", "Flow")
//: gal/h (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/hour (UK)", "Flow")
//: gal/min (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/minute (UK)", "Flow")
//: gal/s (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/second (UK)", "Flow")
//: gal/d
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/day", "Flow")
//: gal/h
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/hour", "Flow")
//: gal/min
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/minute", "Flow")
//: gal/s
QT_TRANSLATE_N_NOOP3("UnitName", "gallon/second", "Flow")
//: L/d
QT_TRANSLATE_N_NOOP3("UnitName", "liter/day", "Flow")
//: L/h
QT_TRANSLATE_N_NOOP3("UnitName", "liter/hour", "Flow")
//: L/min
QT_TRANSLATE_N_NOOP3("UnitName", "liter/minute", "Flow")
//: L/s
QT_TRANSLATE_N_NOOP3("UnitName", "liter/second", "Flow")
//: ML/d
QT_TRANSLATE_N_NOOP3("UnitName", "megaliter/day", "Flow")
//: m³/d
QT_TRANSLATE_N_NOOP3("UnitName", "meter³/day", "Flow")
//: m³/h
QT_TRANSLATE_N_NOOP3("UnitName", "meter³/hour", "Flow")
//: m³/min
QT_TRANSLATE_N_NOOP3("UnitName", "meter³/minute", "Flow")
//: m³/s
QT_TRANSLATE_N_NOOP3("UnitName", "meter³/second", "Flow")
//: 10^6 g/d
QT_TRANSLATE_N_NOOP3("UnitName", "million gallon/day", "Flow")
//: mL/h
QT_TRANSLATE_N_NOOP3("UnitName", "milliliter/hour", "Flow")
//: mL/min
QT_TRANSLATE_N_NOOP3("UnitName", "milliliter/minute", "Flow")
//: mL/s
QT_TRANSLATE_N_NOOP3("UnitName", "milliliter/second", "Flow")
//: oz/h (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/hour (UK)", "Flow")
//: oz/min (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/minute (UK)", "Flow")
//: oz/s (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/second (UK)", "Flow")
//: oz/h
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/hour", "Flow")
//: oz/min
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/minute", "Flow")
//: oz/s
QT_TRANSLATE_N_NOOP3("UnitName", "ounce/second", "Flow")
//: yd³/h
QT_TRANSLATE_N_NOOP3("UnitName", "yard³/hour", "Flow")
//: yd³/d
QT_TRANSLATE_N_NOOP3("UnitName", "yard³/minute", "Flow")
//: yd³/s
QT_TRANSLATE_N_NOOP3("UnitName", "yard³/second", "Flow")
//: centimeter³/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "cm³/h", "Flow")
//: centimeter³/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "cm³/min", "Flow")
//: centimeter³/second
QT_TRANSLATE_NOOP3("UnitSymbol", "cm³/s", "Flow")
//: foot³/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "ft³/h", "Flow")
//: foot³/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "ft³/min", "Flow")
//: foot³/second
QT_TRANSLATE_NOOP3("UnitSymbol", "ft³/s", "Flow")
//: gallon/day(UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/d (UK)", "Flow")
//: gallon/hour (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/h (UK)", "Flow")
//: gallon/minute (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/min (UK)", "Flow")
//: gallon/second (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/s (UK)", "Flow")
//: gallon/day
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/d", "Flow")
//: gallon/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/h", "Flow")
//: gallon/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/min", "Flow")
//: gallon/second
QT_TRANSLATE_NOOP3("UnitSymbol", "gal/s", "Flow")
//: liter/day
QT_TRANSLATE_NOOP3("UnitSymbol", "L/d", "Flow")
//: liter/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "L/h", "Flow")
//: liter/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "L/min", "Flow")
//: liter/second
QT_TRANSLATE_NOOP3("UnitSymbol", "L/s", "Flow")
//: megaliter/day
QT_TRANSLATE_NOOP3("UnitSymbol", "ML/d", "Flow")
//: meter³/day
QT_TRANSLATE_NOOP3("UnitSymbol", "m³/d", "Flow")
//: meter³/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "m³/h", "Flow")
//: meter³/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "m³/min", "Flow")
//: meter³/second
QT_TRANSLATE_NOOP3("UnitSymbol", "m³/s", "Flow")
//: million gallon/day
QT_TRANSLATE_NOOP3("UnitSymbol", "10^6 g/d", "Flow")
//: milliliter/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "mL/h", "Flow")
//: milliliter/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "mL/min", "Flow")
//: milliliter/second
QT_TRANSLATE_NOOP3("UnitSymbol", "mL/s", "Flow")
//: ounce/hour (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/h (UK)", "Flow")
//: ounce/minute (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/min (UK)", "Flow")
//: ounce/second (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/s (UK)", "Flow")
//: ounce/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/h", "Flow")
//: ounce/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/min", "Flow")
//: ounce/second
QT_TRANSLATE_NOOP3("UnitSymbol", "oz/s", "Flow")
//: yard³/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "yd³/h", "Flow")
//: yard³/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "yd³/d", "Flow")
//: yard³/second
QT_TRANSLATE_NOOP3("UnitSymbol", "yd³/s", "Flow")

QT_TRANSLATE_NOOP("CategoryName", "Force")
//: dyn
QT_TRANSLATE_N_NOOP3("UnitName", "dyne", "Force")
//: gf
QT_TRANSLATE_N_NOOP3("UnitName", "gram-force", "Force")
//: J/cm
QT_TRANSLATE_N_NOOP3("UnitName", "joule/centimeter", "Force")
//: J/m
QT_TRANSLATE_N_NOOP3("UnitName", "joule/meter", "Force")
//: kgf
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram-force", "Force")
//: kN
QT_TRANSLATE_N_NOOP3("UnitName", "kilonewton", "Force")
//: kip
QT_TRANSLATE_N_NOOP3("UnitName", "kip", "Force")
//: mN 
QT_TRANSLATE_N_NOOP3("UnitName", "millinewton", "Force")
//: N
QT_TRANSLATE_N_NOOP3("UnitName", "newton", "Force")
//: ozf
QT_TRANSLATE_N_NOOP3("UnitName", "ounce-force", "Force")
//: lbf
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force", "Force")
//: pdl
QT_TRANSLATE_N_NOOP3("UnitName", "poundal", "Force")
//: tf (2000 lbf)
QT_TRANSLATE_N_NOOP3("UnitName", "ton-force (2000 lbf)", "Force")
//: dyne
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn", "Force")
//: gram-force
QT_TRANSLATE_NOOP3("UnitSymbol", "gf", "Force")
//: joule/centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "J/cm", "Force")
//: joule/meter
QT_TRANSLATE_NOOP3("UnitSymbol", "J/m", "Force")
//: kilogram-force
QT_TRANSLATE_NOOP3("UnitSymbol", "kgf", "Force")
//: kilonewton
QT_TRANSLATE_NOOP3("UnitSymbol", "kN", "Force")
//: kip
QT_TRANSLATE_NOOP3("UnitSymbol", "kip", "Force")
//: millinewton
QT_TRANSLATE_NOOP3("UnitSymbol", "mN ", "Force")
//: newton
QT_TRANSLATE_NOOP3("UnitSymbol", "N", "Force")
//: ounce-force
QT_TRANSLATE_NOOP3("UnitSymbol", "ozf", "Force")
//: pound-force
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf", "Force")
//: poundal
QT_TRANSLATE_NOOP3("UnitSymbol", "pdl", "Force")
//: ton-force (2000 lbf)
QT_TRANSLATE_NOOP3("UnitSymbol", "tf (2000 lbf)", "Force")

QT_TRANSLATE_NOOP("CategoryName", "Fuel Consumption")
//: gal (UK)/100-mi
QT_TRANSLATE_N_NOOP3("UnitName", "gallon (UK)/100-mile", "Fuel Consumption")
//: gal (US)/100-mi
QT_TRANSLATE_N_NOOP3("UnitName", "gallon (US)/100-mile", "Fuel Consumption")
//: gal (UK)/100-km
QT_TRANSLATE_N_NOOP3("UnitName", "gallon (UK)/100-kilometer", "Fuel Consumption")
//: gal (US)/100-km
QT_TRANSLATE_N_NOOP3("UnitName", "gallon (US)/100-kilometer", "Fuel Consumption")
//: km/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/gallon (UK)", "Fuel Consumption")
//: km/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/gallon (US)", "Fuel Consumption")
//: km/L
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/liter", "Fuel Consumption")
//: L/100-km
QT_TRANSLATE_N_NOOP3("UnitName", "liter/100-kilometer", "Fuel Consumption")
//: L/100-mi
QT_TRANSLATE_N_NOOP3("UnitName", "liter/100-mile", "Fuel Consumption")
//: m/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "meter/gallon (US)", "Fuel Consumption")
//: m/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "meter/gallon (UK)", "Fuel Consumption")
//: m/L
QT_TRANSLATE_N_NOOP3("UnitName", "meter/liter", "Fuel Consumption")
//: mi/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "mile/gallon(US)", "Fuel Consumption")
//: mi/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "mile/gallon(UK)", "Fuel Consumption")
//: mi/L
QT_TRANSLATE_N_NOOP3("UnitName", "mile/liter", "Fuel Consumption")
//: nmi/gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "nautical mile/gallon (UK)", "Fuel Consumption")
//: nmi/gal (US)
QT_TRANSLATE_N_NOOP3("UnitName", "nautical mile/gallon (US)", "Fuel Consumption")
//: nmi/L
QT_TRANSLATE_N_NOOP3("UnitName", "nautical mile/liter", "Fuel Consumption")
//: gallon (UK)/100-mile
QT_TRANSLATE_NOOP3("UnitSymbol", "gal (UK)/100-mi", "Fuel Consumption")
//: gallon (US)/100-mile
QT_TRANSLATE_NOOP3("UnitSymbol", "gal (US)/100-mi", "Fuel Consumption")
//: gallon (UK)/100-kilometer
QT_TRANSLATE_NOOP3("UnitSymbol", "gal (UK)/100-km", "Fuel Consumption")
//: gallon (US)/100-kilometer
QT_TRANSLATE_NOOP3("UnitSymbol", "gal (US)/100-km", "Fuel Consumption")
//: kilometer/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "km/gal (UK)", "Fuel Consumption")
//: kilometer/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "km/gal (US)", "Fuel Consumption")
//: kilometer/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "km/L", "Fuel Consumption")
//: liter/100-kilometer
QT_TRANSLATE_NOOP3("UnitSymbol", "L/100-km", "Fuel Consumption")
//: liter/100-mile
QT_TRANSLATE_NOOP3("UnitSymbol", "L/100-mi", "Fuel Consumption")
//: meter/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "m/gal (US)", "Fuel Consumption")
//: meter/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "m/gal (UK)", "Fuel Consumption")
//: meter/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "m/L", "Fuel Consumption")
//: mile/gallon(US)
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/gal (US)", "Fuel Consumption")
//: mile/gallon(UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/gal (UK)", "Fuel Consumption")
//: mile/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/L", "Fuel Consumption")
//: nautical mile/gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "nmi/gal (UK)", "Fuel Consumption")
//: nautical mile/gallon (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "nmi/gal (US)", "Fuel Consumption")
//: nautical mile/liter
QT_TRANSLATE_NOOP3("UnitSymbol", "nmi/L", "Fuel Consumption")

QT_TRANSLATE_NOOP("CategoryName", "Heat Flux")
//: Btu/s·ft² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second·foot² (int.)", "Heat Flux")
//: Btu/min·ft² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute·foot² (int.)", "Heat Flux")
//: Btu/h·ft² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour·foot² (int.)", "Heat Flux")
//: Btu/s·in² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second·inch² (th.)", "Heat Flux")
//: Btu/s·ft² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second·foot² (th.)", "Heat Flux")
//: Btu/min·ft² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute·foot² (th.)", "Heat Flux")
//: Btu/h·ft² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour·foot² (th.)", "Heat Flux")
//: Chu/h·ft²
QT_TRANSLATE_N_NOOP3("UnitName", "chu/hour·foot²", "Heat Flux")
//: W/m²
QT_TRANSLATE_N_NOOP3("UnitName", "watt/meter²", "Heat Flux")
//: kW/m²
QT_TRANSLATE_N_NOOP3("UnitName", "kilowatt/meter²", "Heat Flux")
//: W/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "watt/centimeter²", "Heat Flux")
//: J/s·m²
QT_TRANSLATE_N_NOOP3("UnitName", "joule/second·meter²", "Heat Flux")
//: kcal/h·m² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/hour·meter² (int.)", "Heat Flux")
//: kcal/h·ft² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/hour·foot² (int.)", "Heat Flux")
//: cal/s·cm² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/second·centimeter² (int.)", "Heat Flux")
//: cal/min·cm² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/minute·centimeter² (int.)", "Heat Flux")
//: cal/h·cm² (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/hour·centimeter² (int.)", "Heat Flux")
//: cal/s·cm² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/second·centimeter² (th.)", "Heat Flux")
//: cal/min·cm² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/minute·centimeter² (th.)", "Heat Flux")
//: cal/h·cm² (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/hour·centimeter² (th.)", "Heat Flux")
//: dyn/h·cm
QT_TRANSLATE_N_NOOP3("UnitName", "dyne/hour·centimeter", "Heat Flux")
//: erg/h·mm²
QT_TRANSLATE_N_NOOP3("UnitName", "erg/hour·meter²", "Heat Flux")
//: ft·lb/min·ft²
QT_TRANSLATE_N_NOOP3("UnitName", "foot pound/minute·foot²", "Heat Flux")
//: hp/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower/foot²", "Heat Flux")
//: hp/ft² (metric)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower/foot² (metric)", "Heat Flux")
//: Btu/second·foot² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s·ft² (int.)", "Heat Flux")
//: Btu/minute·foot² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min·ft² (int.)", "Heat Flux")
//: Btu/hour·foot² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h·ft² (int.)", "Heat Flux")
//: Btu/second·inch² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s·in² (th.)", "Heat Flux")
//: Btu/second·foot² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s·ft² (th.)", "Heat Flux")
//: Btu/minute·foot² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min·ft² (th.)", "Heat Flux")
//: Btu/hour·foot² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h·ft² (th.)", "Heat Flux")
//: chu/hour·foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "Chu/h·ft²", "Heat Flux")
//: watt/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "W/m²", "Heat Flux")
//: kilowatt/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "kW/m²", "Heat Flux")
//: watt/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "W/cm²", "Heat Flux")
//: joule/second·meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "J/s·m²", "Heat Flux")
//: kilocalorie/hour·meter² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/h·m² (int.)", "Heat Flux")
//: kilocalorie/hour·foot² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/h·ft² (int.)", "Heat Flux")
//: calorie/second·centimeter² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/s·cm² (int.)", "Heat Flux")
//: calorie/minute·centimeter² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/min·cm² (int.)", "Heat Flux")
//: calorie/hour·centimeter² (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/h·cm² (int.)", "Heat Flux")
//: calorie/second·centimeter² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/s·cm² (th.)", "Heat Flux")
//: calorie/minute·centimeter² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/min·cm² (th.)", "Heat Flux")
//: calorie/hour·centimeter² (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/h·cm² (th.)", "Heat Flux")
//: dyne/hour·centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn/h·cm", "Heat Flux")
//: erg/hour·meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "erg/h·mm²", "Heat Flux")
//: foot pound/minute·foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "ft·lb/min·ft²", "Heat Flux")
//: horsepower/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "hp/ft²", "Heat Flux")
//: horsepower/foot² (metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp/ft² (metric)", "Heat Flux")

QT_TRANSLATE_NOOP("CategoryName", "Heat Generation (Vol.)")
//: Btu/h·ft³ (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour·foot³ (int.)", "Heat Generation (Vol.)")
//: Btu/min·ft³ (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute·foot³ (int.)", "Heat Generation (Vol.)")
//: Btu/s·ft³ (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second·foot³ (int.)", "Heat Generation (Vol.)")
//: Btu/h·ft³ (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour·foot³ (th.)", "Heat Generation (Vol.)")
//: Btu/min·ft³ (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute·foot³ (th.)", "Heat Generation (Vol.)")
//: Btu/s·ft³ (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second·foot³ (th.)", "Heat Generation (Vol.)")
//: J/s·m³
QT_TRANSLATE_N_NOOP3("UnitName", "joule/second·meter³", "Heat Generation (Vol.)")
//: kW/m³
QT_TRANSLATE_N_NOOP3("UnitName", "kilowatt/meter³", "Heat Generation (Vol.)")
//: W/m³
QT_TRANSLATE_N_NOOP3("UnitName", "watt/meter³", "Heat Generation (Vol.)")
//: W/cm³
QT_TRANSLATE_N_NOOP3("UnitName", "watt/centimeter³", "Heat Generation (Vol.)")
//: W/mm³
QT_TRANSLATE_N_NOOP3("UnitName", "watt/milliimeter³", "Heat Generation (Vol.)")
//: Btu/hour·foot³ (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h·ft³ (int.)", "Heat Generation (Vol.)")
//: Btu/minute·foot³ (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min·ft³ (int.)", "Heat Generation (Vol.)")
//: Btu/second·foot³ (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s·ft³ (int.)", "Heat Generation (Vol.)")
//: Btu/hour·foot³ (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h·ft³ (th.)", "Heat Generation (Vol.)")
//: Btu/minute·foot³ (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min·ft³ (th.)", "Heat Generation (Vol.)")
//: Btu/second·foot³ (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s·ft³ (th.)", "Heat Generation (Vol.)")
//: joule/second·meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "J/s·m³", "Heat Generation (Vol.)")
//: kilowatt/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "kW/m³", "Heat Generation (Vol.)")
//: watt/meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "W/m³", "Heat Generation (Vol.)")
//: watt/centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "W/cm³", "Heat Generation (Vol.)")
//: watt/milliimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "W/mm³", "Heat Generation (Vol.)")

QT_TRANSLATE_NOOP("CategoryName", "Illumination")
//: cm·c
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter·candle", "Illumination")
QT_TRANSLATE_N_NOOP3("UnitName", "flame", "Illumination")
//: lm/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "lumen/centimeter²", "Illumination")
//: lm/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "lumen/foot²", "Illumination")
//: lm/m²
QT_TRANSLATE_N_NOOP3("UnitName", "lumen/meter²", "Illumination")
//: lx
QT_TRANSLATE_N_NOOP3("UnitName", "lux", "Illumination")
//: m·c
QT_TRANSLATE_N_NOOP3("UnitName", "meter candle", "Illumination")
QT_TRANSLATE_N_NOOP3("UnitName", "nox", "Illumination")
//: ph
QT_TRANSLATE_N_NOOP3("UnitName", "phot", "Illumination")
//: centimeter·candle
QT_TRANSLATE_NOOP3("UnitSymbol", "cm·c", "Illumination")
//: lumen/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "lm/cm²", "Illumination")
//: lumen/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "lm/ft²", "Illumination")
//: lumen/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "lm/m²", "Illumination")
//: lux
QT_TRANSLATE_NOOP3("UnitSymbol", "lx", "Illumination")
//: meter candle
QT_TRANSLATE_NOOP3("UnitSymbol", "m·c", "Illumination")
//: phot
QT_TRANSLATE_NOOP3("UnitSymbol", "ph", "Illumination")

QT_TRANSLATE_NOOP("CategoryName", "Inductance")
//: abH
QT_TRANSLATE_N_NOOP3("UnitName", "abhenry", "Inductance")
//: aH
QT_TRANSLATE_N_NOOP3("UnitName", "attohenry", "Inductance")
//: cH
QT_TRANSLATE_N_NOOP3("UnitName", "centihenry", "Inductance")
//: dH
QT_TRANSLATE_N_NOOP3("UnitName", "decihenry", "Inductance")
//: daH
QT_TRANSLATE_N_NOOP3("UnitName", "dekahenry", "Inductance")
QT_TRANSLATE_N_NOOP3("UnitName", "EMU of inductance", "Inductance")
QT_TRANSLATE_N_NOOP3("UnitName", "ESU of inductance", "Inductance")
//: EH
QT_TRANSLATE_N_NOOP3("UnitName", "exahenry", "Inductance")
//: fH
QT_TRANSLATE_N_NOOP3("UnitName", "femtohenry", "Inductance")
//: GH
QT_TRANSLATE_N_NOOP3("UnitName", "gigahenry", "Inductance")
//: hH
QT_TRANSLATE_N_NOOP3("UnitName", "hectohenry", "Inductance")
//: H
QT_TRANSLATE_N_NOOP3("UnitName", "henry", "Inductance")
//: kH
QT_TRANSLATE_N_NOOP3("UnitName", "kilohenry", "Inductance")
//: MH
QT_TRANSLATE_N_NOOP3("UnitName", "megahenry", "Inductance")
//: µH
QT_TRANSLATE_N_NOOP3("UnitName", "microhenry", "Inductance")
//: mH
QT_TRANSLATE_N_NOOP3("UnitName", "millihenry", "Inductance")
//: nH
QT_TRANSLATE_N_NOOP3("UnitName", "nanohenry", "Inductance")
//: PH
QT_TRANSLATE_N_NOOP3("UnitName", "petahenry", "Inductance")
//: pH
QT_TRANSLATE_N_NOOP3("UnitName", "picohenry", "Inductance")
//: stH
QT_TRANSLATE_N_NOOP3("UnitName", "stathenry", "Inductance")
//: TH
QT_TRANSLATE_N_NOOP3("UnitName", "terahenry", "Inductance")
//: abhenry
QT_TRANSLATE_NOOP3("UnitSymbol", "abH", "Inductance")
//: attohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "aH", "Inductance")
//: centihenry
QT_TRANSLATE_NOOP3("UnitSymbol", "cH", "Inductance")
//: decihenry
QT_TRANSLATE_NOOP3("UnitSymbol", "dH", "Inductance")
//: dekahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "daH", "Inductance")
//: exahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "EH", "Inductance")
//: femtohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "fH", "Inductance")
//: gigahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "GH", "Inductance")
//: hectohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "hH", "Inductance")
//: henry
QT_TRANSLATE_NOOP3("UnitSymbol", "H", "Inductance")
//: kilohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "kH", "Inductance")
//: megahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "MH", "Inductance")
//: microhenry
QT_TRANSLATE_NOOP3("UnitSymbol", "µH", "Inductance")
//: millihenry
QT_TRANSLATE_NOOP3("UnitSymbol", "mH", "Inductance")
//: nanohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "nH", "Inductance")
//: petahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "PH", "Inductance")
//: picohenry
QT_TRANSLATE_NOOP3("UnitSymbol", "pH", "Inductance")
//: stathenry
QT_TRANSLATE_NOOP3("UnitSymbol", "stH", "Inductance")
//: terahenry
QT_TRANSLATE_NOOP3("UnitSymbol", "TH", "Inductance")

QT_TRANSLATE_NOOP("CategoryName", "Magnetic Flux")
//: Wb
QT_TRANSLATE_N_NOOP3("UnitName", "weber", "Magnetic Flux")
//: mWb
QT_TRANSLATE_N_NOOP3("UnitName", "milliweber", "Magnetic Flux")
//: µWb
QT_TRANSLATE_N_NOOP3("UnitName", "microweber", "Magnetic Flux")
//: V·s
QT_TRANSLATE_N_NOOP3("UnitName", "volt·second", "Magnetic Flux")
QT_TRANSLATE_N_NOOP3("UnitName", "unit pole", "Magnetic Flux")
QT_TRANSLATE_N_NOOP3("UnitName", "megaline", "Magnetic Flux")
QT_TRANSLATE_N_NOOP3("UnitName", "kiloline", "Magnetic Flux")
QT_TRANSLATE_N_NOOP3("UnitName", "line", "Magnetic Flux")
//: Mx
QT_TRANSLATE_N_NOOP3("UnitName", "maxwell", "Magnetic Flux")
//: T·m²
QT_TRANSLATE_N_NOOP3("UnitName", "tesla·meter²", "Magnetic Flux")
//: T·cm²
QT_TRANSLATE_N_NOOP3("UnitName", "tesla·centimeter²", "Magnetic Flux")
//: G·m²
QT_TRANSLATE_N_NOOP3("UnitName", "gauss·meter²", "Magnetic Flux")
//: G·cm²
QT_TRANSLATE_N_NOOP3("UnitName", "gauss·centimeter²", "Magnetic Flux")
QT_TRANSLATE_N_NOOP3("UnitName", "magnetic flux quantum", "Magnetic Flux")
//: weber
QT_TRANSLATE_NOOP3("UnitSymbol", "Wb", "Magnetic Flux")
//: milliweber
QT_TRANSLATE_NOOP3("UnitSymbol", "mWb", "Magnetic Flux")
//: microweber
QT_TRANSLATE_NOOP3("UnitSymbol", "µWb", "Magnetic Flux")
//: volt·second
QT_TRANSLATE_NOOP3("UnitSymbol", "V·s", "Magnetic Flux")
//: maxwell
QT_TRANSLATE_NOOP3("UnitSymbol", "Mx", "Magnetic Flux")
//: tesla·meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "T·m²", "Magnetic Flux")
//: tesla·centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "T·cm²", "Magnetic Flux")
//: gauss·meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "G·m²", "Magnetic Flux")
//: gauss·centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "G·cm²", "Magnetic Flux")

QT_TRANSLATE_NOOP("CategoryName", "Mass")
//: kt
QT_TRANSLATE_N_NOOP3("UnitName", "carat", "Mass")
//: gr
QT_TRANSLATE_N_NOOP3("UnitName", "grain", "Mass")
//: g
QT_TRANSLATE_N_NOOP3("UnitName", "gram", "Mass")
//: kg
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram", "Mass")
//: µg
QT_TRANSLATE_N_NOOP3("UnitName", "microgram", "Mass")
//: mg
QT_TRANSLATE_N_NOOP3("UnitName", "milligram", "Mass")
//: oz
QT_TRANSLATE_N_NOOP3("UnitName", "ounce", "Mass")
//: oz (tr)
QT_TRANSLATE_N_NOOP3("UnitName", "ounce(troy)", "Mass")
//: dwt
QT_TRANSLATE_N_NOOP3("UnitName", "pennyweight", "Mass")
//: lb
QT_TRANSLATE_N_NOOP3("UnitName", "pound", "Mass")
//: lb (tr)
QT_TRANSLATE_N_NOOP3("UnitName", "pound(troy)", "Mass")
//: st
QT_TRANSLATE_N_NOOP3("UnitName", "stone", "Mass")
QT_TRANSLATE_N_NOOP3("UnitName", "ton", "Mass")
QT_TRANSLATE_N_NOOP3("UnitName", "ton(long)", "Mass")
//: t
QT_TRANSLATE_N_NOOP3("UnitName", "ton(metric)", "Mass")
//: carat
QT_TRANSLATE_NOOP3("UnitSymbol", "kt", "Mass")
//: grain
QT_TRANSLATE_NOOP3("UnitSymbol", "gr", "Mass")
//: gram
QT_TRANSLATE_NOOP3("UnitSymbol", "g", "Mass")
//: kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "kg", "Mass")
//: microgram
QT_TRANSLATE_NOOP3("UnitSymbol", "µg", "Mass")
//: milligram
QT_TRANSLATE_NOOP3("UnitSymbol", "mg", "Mass")
//: ounce
QT_TRANSLATE_NOOP3("UnitSymbol", "oz", "Mass")
//: ounce(troy)
QT_TRANSLATE_NOOP3("UnitSymbol", "oz (tr)", "Mass")
//: pennyweight
QT_TRANSLATE_NOOP3("UnitSymbol", "dwt", "Mass")
//: pound
QT_TRANSLATE_NOOP3("UnitSymbol", "lb", "Mass")
//: pound(troy)
QT_TRANSLATE_NOOP3("UnitSymbol", "lb (tr)", "Mass")
//: stone
QT_TRANSLATE_NOOP3("UnitSymbol", "st", "Mass")
//: ton(metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "t", "Mass")

QT_TRANSLATE_NOOP("CategoryName", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-02 (binary)", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-03", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-04", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-05", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-06", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-07", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-08 (octal)", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-09", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-10 (decimal)", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-11", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-12", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-13", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-14", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-15", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-16 (hexadecimal)", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-17", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-18", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-19", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-20", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-21", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-22", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-23", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-24", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-25", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-26", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-27", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-28", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-29", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-30", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-31", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-32", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-33", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-34", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-35", "Numbers")
QT_TRANSLATE_N_NOOP3("UnitName", "base-36", "Numbers")

QT_TRANSLATE_NOOP("CategoryName", "Power")
//: aJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "attojoule/second", "Power")
//: aW
QT_TRANSLATE_N_NOOP3("UnitName", "attowatt", "Power")
//: Btu/h (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour (int.)", "Power")
//: Btu/h (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/hour (th.)", "Power")
//: Btu/min (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute (int.)", "Power")
//: Btu/min (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/minute (th.)", "Power")
//: Btu/s (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second (int.)", "Power")
//: Btu/s (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "Btu/second (th.)", "Power")
//: cal/h (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/hour (int.)", "Power")
//: cal/h (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/hour (th.)", "Power")
//: cal/min (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/minute (int.)", "Power")
//: cal/min (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/minute (th.)", "Power")
//: cal/s (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/second (int.)", "Power")
//: cal/s (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "calorie/second (th.)", "Power")
//: cJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "centijoule/second", "Power")
//: cW
QT_TRANSLATE_N_NOOP3("UnitName", "centiwatt", "Power")
//: dJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "decijoule/second", "Power")
//: dW
QT_TRANSLATE_N_NOOP3("UnitName", "deciwatt", "Power")
//: daJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "dekajoule/second", "Power")
//: daW
QT_TRANSLATE_N_NOOP3("UnitName", "dekawatt", "Power")
//: erg/s
QT_TRANSLATE_N_NOOP3("UnitName", "erg/second", "Power")
//: EJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "exajoule/second", "Power")
//: EW
QT_TRANSLATE_N_NOOP3("UnitName", "exawatt", "Power")
//: fJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "femtojoule/second", "Power")
//: fW
QT_TRANSLATE_N_NOOP3("UnitName", "femtowatt", "Power")
//: GJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "gigajoule/second", "Power")
//: GW
QT_TRANSLATE_N_NOOP3("UnitName", "gigawatt", "Power")
//: hJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "hectojoule/second", "Power")
//: hW
QT_TRANSLATE_N_NOOP3("UnitName", "hectowatt", "Power")
//: hp
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower", "Power")
//: hp (bolier)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower (boiler)", "Power")
//: hp (electric)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower (electric)", "Power")
//: hp (metric)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower (metric)", "Power")
//: hp (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower (UK)", "Power")
//: hp (water)
QT_TRANSLATE_N_NOOP3("UnitName", "horsepower (water)", "Power")
//: J/h
QT_TRANSLATE_N_NOOP3("UnitName", "joule/hour", "Power")
//: J/min
QT_TRANSLATE_N_NOOP3("UnitName", "joule/minute", "Power")
//: J/s
QT_TRANSLATE_N_NOOP3("UnitName", "joule/second", "Power")
//: kcal/h (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/hour (int.)", "Power")
//: kcal/h (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/hour (th.)", "Power")
//: kcal/min (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/minute (int.)", "Power")
//: kcal/min (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/minute (th.)", "Power")
//: kcal/s (int.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/second (int.)", "Power")
//: kcal/s (th.)
QT_TRANSLATE_N_NOOP3("UnitName", "kilocalorie/second (th.)", "Power")
//: kJ/h
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/hour", "Power")
//: kJ/min
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/minute", "Power")
//: kJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "kilojoule/second", "Power")
//: kW
QT_TRANSLATE_N_NOOP3("UnitName", "kilowatt", "Power")
QT_TRANSLATE_N_NOOP3("UnitName", "MBH", "Power")
//: MBtu/h
QT_TRANSLATE_N_NOOP3("UnitName", "MBtu/hour", "Power")
//: MJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "megajoule/second", "Power")
//: MW
QT_TRANSLATE_N_NOOP3("UnitName", "megawatt", "Power")
//: µJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "microjoule/second", "Power")
//: µW
QT_TRANSLATE_N_NOOP3("UnitName", "microwatt", "Power")
//: mJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "millijoule/second", "Power")
//: mW
QT_TRANSLATE_N_NOOP3("UnitName", "milliwatt", "Power")
//: nJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "nanojoule/second", "Power")
//: nW
QT_TRANSLATE_N_NOOP3("UnitName", "nanowatt", "Power")
//: PJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "petajoule/second", "Power")
//: PW
QT_TRANSLATE_N_NOOP3("UnitName", "petawatt", "Power")
//: ps
QT_TRANSLATE_N_NOOP3("UnitName", "pferdestärke", "Power")
//: pJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "picojoule/second", "Power")
//: pW
QT_TRANSLATE_N_NOOP3("UnitName", "picowatt", "Power")
//: ft·lbf/h
QT_TRANSLATE_N_NOOP3("UnitName", "foot pound-force/hour", "Power")
//: ft·lbf/min
QT_TRANSLATE_N_NOOP3("UnitName", "foot pound-force/minute", "Power")
//: ft·lbf/s
QT_TRANSLATE_N_NOOP3("UnitName", "foot pound-force/second", "Power")
//: TJ/s
QT_TRANSLATE_N_NOOP3("UnitName", "terajoule/second", "Power")
//: TW
QT_TRANSLATE_N_NOOP3("UnitName", "terawatt", "Power")
QT_TRANSLATE_N_NOOP3("UnitName", "ton (refrigeration)", "Power")
//: W
QT_TRANSLATE_N_NOOP3("UnitName", "watt", "Power")
//: attojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "aJ/s", "Power")
//: attowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "aW", "Power")
//: Btu/hour (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h (int.)", "Power")
//: Btu/hour (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/h (th.)", "Power")
//: Btu/minute (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min (int.)", "Power")
//: Btu/minute (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/min (th.)", "Power")
//: Btu/second (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s (int.)", "Power")
//: Btu/second (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/s (th.)", "Power")
//: calorie/hour (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/h (int.)", "Power")
//: calorie/hour (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/h (th.)", "Power")
//: calorie/minute (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/min (int.)", "Power")
//: calorie/minute (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/min (th.)", "Power")
//: calorie/second (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/s (int.)", "Power")
//: calorie/second (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "cal/s (th.)", "Power")
//: centijoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "cJ/s", "Power")
//: centiwatt
QT_TRANSLATE_NOOP3("UnitSymbol", "cW", "Power")
//: decijoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "dJ/s", "Power")
//: deciwatt
QT_TRANSLATE_NOOP3("UnitSymbol", "dW", "Power")
//: dekajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "daJ/s", "Power")
//: dekawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "daW", "Power")
//: erg/second
QT_TRANSLATE_NOOP3("UnitSymbol", "erg/s", "Power")
//: exajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "EJ/s", "Power")
//: exawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "EW", "Power")
//: femtojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "fJ/s", "Power")
//: femtowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "fW", "Power")
//: gigajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "GJ/s", "Power")
//: gigawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "GW", "Power")
//: hectojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "hJ/s", "Power")
//: hectowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "hW", "Power")
//: horsepower
QT_TRANSLATE_NOOP3("UnitSymbol", "hp", "Power")
//: horsepower (boiler)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp (bolier)", "Power")
//: horsepower (electric)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp (electric)", "Power")
//: horsepower (metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp (metric)", "Power")
//: horsepower (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp (UK)", "Power")
//: horsepower (water)
QT_TRANSLATE_NOOP3("UnitSymbol", "hp (water)", "Power")
//: joule/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "J/h", "Power")
//: joule/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "J/min", "Power")
//: joule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "J/s", "Power")
//: kilocalorie/hour (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/h (int.)", "Power")
//: kilocalorie/hour (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/h (th.)", "Power")
//: kilocalorie/minute (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/min (int.)", "Power")
//: kilocalorie/minute (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/min (th.)", "Power")
//: kilocalorie/second (int.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/s (int.)", "Power")
//: kilocalorie/second (th.)
QT_TRANSLATE_NOOP3("UnitSymbol", "kcal/s (th.)", "Power")
//: kilojoule/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/h", "Power")
//: kilojoule/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/min", "Power")
//: kilojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "kJ/s", "Power")
//: kilowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "kW", "Power")
//: MBtu/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "MBtu/h", "Power")
//: megajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "MJ/s", "Power")
//: megawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "MW", "Power")
//: microjoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "µJ/s", "Power")
//: microwatt
QT_TRANSLATE_NOOP3("UnitSymbol", "µW", "Power")
//: millijoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "mJ/s", "Power")
//: milliwatt
QT_TRANSLATE_NOOP3("UnitSymbol", "mW", "Power")
//: nanojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "nJ/s", "Power")
//: nanowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "nW", "Power")
//: petajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "PJ/s", "Power")
//: petawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "PW", "Power")
//: pferdestärke
QT_TRANSLATE_NOOP3("UnitSymbol", "ps", "Power")
//: picojoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "pJ/s", "Power")
//: picowatt
QT_TRANSLATE_NOOP3("UnitSymbol", "pW", "Power")
//: foot pound-force/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "ft·lbf/h", "Power")
//: foot pound-force/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "ft·lbf/min", "Power")
//: foot pound-force/second
QT_TRANSLATE_NOOP3("UnitSymbol", "ft·lbf/s", "Power")
//: terajoule/second
QT_TRANSLATE_NOOP3("UnitSymbol", "TJ/s", "Power")
//: terawatt
QT_TRANSLATE_NOOP3("UnitSymbol", "TW", "Power")
//: watt
QT_TRANSLATE_NOOP3("UnitSymbol", "W", "Power")

QT_TRANSLATE_NOOP("CategoryName", "Pressure")
//: atm
QT_TRANSLATE_N_NOOP3("UnitName", "atmosphere", "Pressure")
QT_TRANSLATE_N_NOOP3("UnitName", "bar", "Pressure")
//: cmHg
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter of mercury", "Pressure")
//: dyn/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "dyne/centimeter²", "Pressure")
//: hPa
QT_TRANSLATE_N_NOOP3("UnitName", "hectopascal", "Pressure")
//: inHg
QT_TRANSLATE_N_NOOP3("UnitName", "inch of Mercury", "Pressure")
//: kg/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/centimeter²", "Pressure")
//: kg/m²
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/meter²", "Pressure")
//: kPa
QT_TRANSLATE_N_NOOP3("UnitName", "kilopascal", "Pressure")
//: MPa
QT_TRANSLATE_N_NOOP3("UnitName", "megapascal", "Pressure")
//: µbar
QT_TRANSLATE_N_NOOP3("UnitName", "microbar", "Pressure")
//: mbar
QT_TRANSLATE_N_NOOP3("UnitName", "millibar", "Pressure")
//: mmHg
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter of mercury", "Pressure")
//: N/m²
QT_TRANSLATE_N_NOOP3("UnitName", "newton/meter²", "Pressure")
//: N/mm²
QT_TRANSLATE_N_NOOP3("UnitName", "newton/mm²", "Pressure")
//: Pa
QT_TRANSLATE_N_NOOP3("UnitName", "pascal", "Pressure")
//: lbf/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force/foot²", "Pressure")
//: lbf/in²
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force/inch²", "Pressure")
//: psi
QT_TRANSLATE_N_NOOP3("UnitName", "psi", "Pressure")
//: tf/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "ton-force/foot²", "Pressure")
//: tf/in²
QT_TRANSLATE_N_NOOP3("UnitName", "ton-force/inch²", "Pressure")
//: torr
QT_TRANSLATE_N_NOOP3("UnitName", "torr", "Pressure")
//: atmosphere
QT_TRANSLATE_NOOP3("UnitSymbol", "atm", "Pressure")
//: centimeter of mercury
QT_TRANSLATE_NOOP3("UnitSymbol", "cmHg", "Pressure")
//: dyne/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn/cm²", "Pressure")
//: hectopascal
QT_TRANSLATE_NOOP3("UnitSymbol", "hPa", "Pressure")
//: inch of Mercury
QT_TRANSLATE_NOOP3("UnitSymbol", "inHg", "Pressure")
//: kilogram/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/cm²", "Pressure")
//: kilogram/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/m²", "Pressure")
//: kilopascal
QT_TRANSLATE_NOOP3("UnitSymbol", "kPa", "Pressure")
//: megapascal
QT_TRANSLATE_NOOP3("UnitSymbol", "MPa", "Pressure")
//: microbar
QT_TRANSLATE_NOOP3("UnitSymbol", "µbar", "Pressure")
//: millibar
QT_TRANSLATE_NOOP3("UnitSymbol", "mbar", "Pressure")
//: millimeter of mercury
QT_TRANSLATE_NOOP3("UnitSymbol", "mmHg", "Pressure")
//: newton/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "N/m²", "Pressure")
//: newton/mm²
QT_TRANSLATE_NOOP3("UnitSymbol", "N/mm²", "Pressure")
//: pascal
QT_TRANSLATE_NOOP3("UnitSymbol", "Pa", "Pressure")
//: pound-force/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf/ft²", "Pressure")
//: pound-force/inch²
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf/in²", "Pressure")
//: psi
QT_TRANSLATE_NOOP3("UnitSymbol", "psi", "Pressure")
//: ton-force/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "tf/ft²", "Pressure")
//: ton-force/inch²
QT_TRANSLATE_NOOP3("UnitSymbol", "tf/in²", "Pressure")
//: torr
QT_TRANSLATE_NOOP3("UnitSymbol", "torr", "Pressure")

QT_TRANSLATE_NOOP("CategoryName", "Radiation")
//: aGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "attogray/second", "Radiation")
//: cGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "centigray/second", "Radiation")
//: dGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "decigray/second", "Radiation")
//: daGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "dekagray/second", "Radiation")
//: EGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "exagray/second", "Radiation")
//: fGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "femtogray/second", "Radiation")
//: GGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "gigagray/second", "Radiation")
//: Gy/s
QT_TRANSLATE_N_NOOP3("UnitName", "gray/second", "Radiation")
//: hGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "hectogray/second", "Radiation")
//: J/kg/s
QT_TRANSLATE_N_NOOP3("UnitName", "joule/kilogram/second", "Radiation")
//: kGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "kilogray/second", "Radiation")
//: MGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "megagray/second", "Radiation")
//: µGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "microgray/second", "Radiation")
//: mGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "milligray/second", "Radiation")
//: nGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "nanogray/second", "Radiation")
//: PGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "petagray/second", "Radiation")
//: pGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "picogray/second", "Radiation")
//: rd/s
QT_TRANSLATE_N_NOOP3("UnitName", "rad/second", "Radiation")
//: TGy/s
QT_TRANSLATE_N_NOOP3("UnitName", "teragray/second", "Radiation")
//: attogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "aGy/s", "Radiation")
//: centigray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "cGy/s", "Radiation")
//: decigray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "dGy/s", "Radiation")
//: dekagray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "daGy/s", "Radiation")
//: exagray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "EGy/s", "Radiation")
//: femtogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "fGy/s", "Radiation")
//: gigagray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "GGy/s", "Radiation")
//: gray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "Gy/s", "Radiation")
//: hectogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "hGy/s", "Radiation")
//: joule/kilogram/second
QT_TRANSLATE_NOOP3("UnitSymbol", "J/kg/s", "Radiation")
//: kilogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "kGy/s", "Radiation")
//: megagray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "MGy/s", "Radiation")
//: microgray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "µGy/s", "Radiation")
//: milligray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "mGy/s", "Radiation")
//: nanogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "nGy/s", "Radiation")
//: petagray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "PGy/s", "Radiation")
//: picogray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "pGy/s", "Radiation")
//: rad/second
QT_TRANSLATE_NOOP3("UnitSymbol", "rd/s", "Radiation")
//: teragray/second
QT_TRANSLATE_NOOP3("UnitSymbol", "TGy/s", "Radiation")

QT_TRANSLATE_NOOP("CategoryName", "Radiation Exposure")
//: C/kg
QT_TRANSLATE_N_NOOP3("UnitName", "coulomb/kilogram", "Radiation Exposure")
//: µC/kg
QT_TRANSLATE_N_NOOP3("UnitName", "microcoulomb/kilogram", "Radiation Exposure")
//: mC/kg
QT_TRANSLATE_N_NOOP3("UnitName", "millicoulomb/kilogram", "Radiation Exposure")
QT_TRANSLATE_N_NOOP3("UnitName", "millicurie of intensity hour", "Radiation Exposure")
//: mrem
QT_TRANSLATE_N_NOOP3("UnitName", "millirem", "Radiation Exposure")
QT_TRANSLATE_N_NOOP3("UnitName", "parker", "Radiation Exposure")
QT_TRANSLATE_N_NOOP3("UnitName", "rem", "Radiation Exposure")
QT_TRANSLATE_N_NOOP3("UnitName", "rep", "Radiation Exposure")
//: R
QT_TRANSLATE_N_NOOP3("UnitName", "roentgen", "Radiation Exposure")
//: Sv
QT_TRANSLATE_N_NOOP3("UnitName", "sievert", "Radiation Exposure")
QT_TRANSLATE_N_NOOP3("UnitName", "tissue roentgen", "Radiation Exposure")
//: coulomb/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "C/kg", "Radiation Exposure")
//: microcoulomb/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "µC/kg", "Radiation Exposure")
//: millicoulomb/kilogram
QT_TRANSLATE_NOOP3("UnitSymbol", "mC/kg", "Radiation Exposure")
//: millirem
QT_TRANSLATE_NOOP3("UnitSymbol", "mrem", "Radiation Exposure")
//: roentgen
QT_TRANSLATE_NOOP3("UnitSymbol", "R", "Radiation Exposure")
//: sievert
QT_TRANSLATE_NOOP3("UnitSymbol", "Sv", "Radiation Exposure")

QT_TRANSLATE_NOOP("CategoryName", "SI Prefix")
//: P
QT_TRANSLATE_N_NOOP3("UnitName", "peta", "SI Prefix")
//: T
QT_TRANSLATE_N_NOOP3("UnitName", "tera", "SI Prefix")
//: G
QT_TRANSLATE_N_NOOP3("UnitName", "giga", "SI Prefix")
//: M
QT_TRANSLATE_N_NOOP3("UnitName", "mega", "SI Prefix")
//: k
QT_TRANSLATE_N_NOOP3("UnitName", "kilo", "SI Prefix")
//: h
QT_TRANSLATE_N_NOOP3("UnitName", "hecto", "SI Prefix")
//: da
QT_TRANSLATE_N_NOOP3("UnitName", "deca", "SI Prefix")
QT_TRANSLATE_N_NOOP3("UnitName", "unity", "SI Prefix")
//: d
QT_TRANSLATE_N_NOOP3("UnitName", "deci", "SI Prefix")
//: c
QT_TRANSLATE_N_NOOP3("UnitName", "centi", "SI Prefix")
//: m
QT_TRANSLATE_N_NOOP3("UnitName", "milli", "SI Prefix")
//: µ
QT_TRANSLATE_N_NOOP3("UnitName", "micro", "SI Prefix")
//: n
QT_TRANSLATE_N_NOOP3("UnitName", "nano", "SI Prefix")
//: p
QT_TRANSLATE_N_NOOP3("UnitName", "pico", "SI Prefix")
//: f
QT_TRANSLATE_N_NOOP3("UnitName", "femto", "SI Prefix")
//: Y
QT_TRANSLATE_N_NOOP3("UnitName", "yotta", "SI Prefix")
//: Z
QT_TRANSLATE_N_NOOP3("UnitName", "zetta", "SI Prefix")
//: E
QT_TRANSLATE_N_NOOP3("UnitName", "exa", "SI Prefix")
//: peta
QT_TRANSLATE_NOOP3("UnitSymbol", "P", "SI Prefix")
//: tera
QT_TRANSLATE_NOOP3("UnitSymbol", "T", "SI Prefix")
//: giga
QT_TRANSLATE_NOOP3("UnitSymbol", "G", "SI Prefix")
//: mega
QT_TRANSLATE_NOOP3("UnitSymbol", "M", "SI Prefix")
//: kilo
QT_TRANSLATE_NOOP3("UnitSymbol", "k", "SI Prefix")
//: hecto
QT_TRANSLATE_NOOP3("UnitSymbol", "h", "SI Prefix")
//: deca
QT_TRANSLATE_NOOP3("UnitSymbol", "da", "SI Prefix")
//: deci
QT_TRANSLATE_NOOP3("UnitSymbol", "d", "SI Prefix")
//: centi
QT_TRANSLATE_NOOP3("UnitSymbol", "c", "SI Prefix")
//: milli
QT_TRANSLATE_NOOP3("UnitSymbol", "m", "SI Prefix")
//: micro
QT_TRANSLATE_NOOP3("UnitSymbol", "µ", "SI Prefix")
//: nano
QT_TRANSLATE_NOOP3("UnitSymbol", "n", "SI Prefix")
//: pico
QT_TRANSLATE_NOOP3("UnitSymbol", "p", "SI Prefix")
//: femto
QT_TRANSLATE_NOOP3("UnitSymbol", "f", "SI Prefix")
//: yotta
QT_TRANSLATE_NOOP3("UnitSymbol", "Y", "SI Prefix")
//: zetta
QT_TRANSLATE_NOOP3("UnitSymbol", "Z", "SI Prefix")
//: exa
QT_TRANSLATE_NOOP3("UnitSymbol", "E", "SI Prefix")

QT_TRANSLATE_NOOP("CategoryName", "Surface Tension")
//: dyn/cm
QT_TRANSLATE_N_NOOP3("UnitName", "dyne/centimeter", "Surface Tension")
//: erg/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "erg/centimeter²", "Surface Tension")
//: erg/mm²
QT_TRANSLATE_N_NOOP3("UnitName", "erg/millimeter²", "Surface Tension")
//: gf/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "gram-force/centimeter", "Surface Tension")
//: g/s²
QT_TRANSLATE_N_NOOP3("UnitName", "gram/second²", "Surface Tension")
//: J/m²
QT_TRANSLATE_N_NOOP3("UnitName", "joule/meter²", "Surface Tension")
//: kg/s²
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/second²", "Surface Tension")
//: lbf/ft
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force/foot", "Surface Tension")
//: lbf/in
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force/inch", "Surface Tension")
//: pdl/in
QT_TRANSLATE_N_NOOP3("UnitName", "poundal/inch", "Surface Tension")
//: N/m
QT_TRANSLATE_N_NOOP3("UnitName", "newton/meter", "Surface Tension")
//: dyne/centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn/cm", "Surface Tension")
//: erg/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "erg/cm²", "Surface Tension")
//: erg/millimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "erg/mm²", "Surface Tension")
//: gram-force/centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "gf/cm²", "Surface Tension")
//: gram/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "g/s²", "Surface Tension")
//: joule/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "J/m²", "Surface Tension")
//: kilogram/second²
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/s²", "Surface Tension")
//: pound-force/foot
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf/ft", "Surface Tension")
//: pound-force/inch
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf/in", "Surface Tension")
//: poundal/inch
QT_TRANSLATE_NOOP3("UnitSymbol", "pdl/in", "Surface Tension")
//: newton/meter
QT_TRANSLATE_NOOP3("UnitSymbol", "N/m", "Surface Tension")

QT_TRANSLATE_NOOP("CategoryName", "Temperature")
//: °C
QT_TRANSLATE_N_NOOP3("UnitName", "degree Celsius", "Temperature")
//: °F
QT_TRANSLATE_N_NOOP3("UnitName", "degree Fahrenheit", "Temperature")
//: K
QT_TRANSLATE_N_NOOP3("UnitName", "Kelvin", "Temperature")
//: °R
QT_TRANSLATE_N_NOOP3("UnitName", "degree Rankine", "Temperature")
//: °r
QT_TRANSLATE_N_NOOP3("UnitName", "degree Reaumur", "Temperature")
//: degree Celsius
QT_TRANSLATE_NOOP3("UnitSymbol", "°C", "Temperature")
//: degree Fahrenheit
QT_TRANSLATE_NOOP3("UnitSymbol", "°F", "Temperature")
//: Kelvin
QT_TRANSLATE_NOOP3("UnitSymbol", "K", "Temperature")
//: degree Rankine
QT_TRANSLATE_NOOP3("UnitSymbol", "°R", "Temperature")
//: degree Reaumur
QT_TRANSLATE_NOOP3("UnitSymbol", "°r", "Temperature")

QT_TRANSLATE_NOOP("CategoryName", "Thermal Conductance (building)")
//: h·ft²·°F/Btu
QT_TRANSLATE_N_NOOP3("UnitName", "R-value (imperial)", "Thermal Conductance (building)")
//: m²·K/W
QT_TRANSLATE_N_NOOP3("UnitName", "R-value (metric)", "Thermal Conductance (building)")
//: Btu/(h·ft²·°F)
QT_TRANSLATE_N_NOOP3("UnitName", "U-value (imperial)", "Thermal Conductance (building)")
//: W/(m²·K)
QT_TRANSLATE_N_NOOP3("UnitName", "U-value (metric)", "Thermal Conductance (building)")
//: R-value (imperial)
QT_TRANSLATE_NOOP3("UnitSymbol", "h·ft²·°F/Btu", "Thermal Conductance (building)")
//: R-value (metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "m²·K/W", "Thermal Conductance (building)")
//: U-value (imperial)
QT_TRANSLATE_NOOP3("UnitSymbol", "Btu/(h·ft²·°F)", "Thermal Conductance (building)")
//: U-value (metric)
QT_TRANSLATE_NOOP3("UnitSymbol", "W/(m²·K)", "Thermal Conductance (building)")

QT_TRANSLATE_NOOP("CategoryName", "Time")
//: au
QT_TRANSLATE_N_NOOP3("UnitName", "atomic unit of time", "Time")
//: as
QT_TRANSLATE_N_NOOP3("UnitName", "attosecond", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "Callippic cycle", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "century", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "century (Julian)", "Time")
//: d
QT_TRANSLATE_N_NOOP3("UnitName", "day", "Time")
//: d (sidereal)
QT_TRANSLATE_N_NOOP3("UnitName", "day (sidereal)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "decade", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "enneadecaeteris", "Time")
//: fs
QT_TRANSLATE_N_NOOP3("UnitName", "femtosecond", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "fortnight", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "helek", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "Hipparchic cycle", "Time")
//: h
QT_TRANSLATE_N_NOOP3("UnitName", "hour", "Time")
//: h (sidereal)
QT_TRANSLATE_N_NOOP3("UnitName", "hour (sidereal)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "jiffy", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "jiffy (alternate)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "lustre", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "lustrum", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "Metonic cycle", "Time")
//: µs
QT_TRANSLATE_N_NOOP3("UnitName", "microsecond", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "millennium", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "millennium (Gregorian)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "millennium (Julian)", "Time")
//: ms
QT_TRANSLATE_N_NOOP3("UnitName", "millisecond", "Time")
//: min
QT_TRANSLATE_N_NOOP3("UnitName", "minute", "Time")
//: min (sidereal)
QT_TRANSLATE_N_NOOP3("UnitName", "minute (sidereal)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "month (30 days)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "month (hollow)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "moment", "Time")
//: ns
QT_TRANSLATE_N_NOOP3("UnitName", "nanosecond", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "octaeteris", "Time")
//: ps
QT_TRANSLATE_N_NOOP3("UnitName", "picosecond", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "Planck time", "Time")
//: s
QT_TRANSLATE_N_NOOP3("UnitName", "second", "Time")
//: s (sidereal)
QT_TRANSLATE_N_NOOP3("UnitName", "second (sidereal)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "shake", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "sigma", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "Sothic cycle", "Time")
//: S
QT_TRANSLATE_N_NOOP3("UnitName", "svedberg", "Time")
//: wk
QT_TRANSLATE_N_NOOP3("UnitName", "week", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (365 days)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (Gregorian)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (Julian)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (leap)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (sidereal)", "Time")
QT_TRANSLATE_N_NOOP3("UnitName", "year (tropical)", "Time")
//: atomic unit of time
QT_TRANSLATE_NOOP3("UnitSymbol", "au", "Time")
//: attosecond
QT_TRANSLATE_NOOP3("UnitSymbol", "as", "Time")
//: day
QT_TRANSLATE_NOOP3("UnitSymbol", "d", "Time")
//: day (sidereal)
QT_TRANSLATE_NOOP3("UnitSymbol", "d (sidereal)", "Time")
//: femtosecond
QT_TRANSLATE_NOOP3("UnitSymbol", "fs", "Time")
//: hour
QT_TRANSLATE_NOOP3("UnitSymbol", "h", "Time")
//: hour (sidereal)
QT_TRANSLATE_NOOP3("UnitSymbol", "h (sidereal)", "Time")
//: microsecond
QT_TRANSLATE_NOOP3("UnitSymbol", "µs", "Time")
//: millisecond
QT_TRANSLATE_NOOP3("UnitSymbol", "ms", "Time")
//: minute
QT_TRANSLATE_NOOP3("UnitSymbol", "min", "Time")
//: minute (sidereal)
QT_TRANSLATE_NOOP3("UnitSymbol", "min (sidereal)", "Time")
//: nanosecond
QT_TRANSLATE_NOOP3("UnitSymbol", "ns", "Time")
//: picosecond
QT_TRANSLATE_NOOP3("UnitSymbol", "ps", "Time")
//: second
QT_TRANSLATE_NOOP3("UnitSymbol", "s", "Time")
//: second (sidereal)
QT_TRANSLATE_NOOP3("UnitSymbol", "s (sidereal)", "Time")
//: svedberg
QT_TRANSLATE_NOOP3("UnitSymbol", "S", "Time")
//: week
QT_TRANSLATE_NOOP3("UnitSymbol", "wk", "Time")

QT_TRANSLATE_NOOP("CategoryName", "Torque")
//: dyn·cm
QT_TRANSLATE_N_NOOP3("UnitName", "dyne centimeter", "Torque")
//: gf·cm
QT_TRANSLATE_N_NOOP3("UnitName", "gram-force centimeter", "Torque")
//: kgf·m
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram-force meter", "Torque")
//: kN·m
QT_TRANSLATE_N_NOOP3("UnitName", "kilonewton meter", "Torque")
//: kp·m
QT_TRANSLATE_N_NOOP3("UnitName", "kilopond meter", "Torque")
//: MN·m
QT_TRANSLATE_N_NOOP3("UnitName", "meganewton meter", "Torque")
//: µN·m
QT_TRANSLATE_N_NOOP3("UnitName", "micronewton meter", "Torque")
//: mN·m
QT_TRANSLATE_N_NOOP3("UnitName", "millinewton meter", "Torque")
//: N·m
QT_TRANSLATE_N_NOOP3("UnitName", "newton meter", "Torque")
//: ozf·ft
QT_TRANSLATE_N_NOOP3("UnitName", "ounce-force foot", "Torque")
//: ozf·in
QT_TRANSLATE_N_NOOP3("UnitName", "ounce-force inch", "Torque")
//: lbf·ft
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force foot", "Torque")
//: lbf·in
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force inch", "Torque")
//: dyne centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn·cm", "Torque")
//: gram-force centimeter
QT_TRANSLATE_NOOP3("UnitSymbol", "gf·cm", "Torque")
//: kilogram-force meter
QT_TRANSLATE_NOOP3("UnitSymbol", "kgf·m", "Torque")
//: kilonewton meter
QT_TRANSLATE_NOOP3("UnitSymbol", "kN·m", "Torque")
//: kilopond meter
QT_TRANSLATE_NOOP3("UnitSymbol", "kp·m", "Torque")
//: meganewton meter
QT_TRANSLATE_NOOP3("UnitSymbol", "MN·m", "Torque")
//: micronewton meter
QT_TRANSLATE_NOOP3("UnitSymbol", "µN·m", "Torque")
//: millinewton meter
QT_TRANSLATE_NOOP3("UnitSymbol", "mN·m", "Torque")
//: newton meter
QT_TRANSLATE_NOOP3("UnitSymbol", "N·m", "Torque")
//: ounce-force foot
QT_TRANSLATE_NOOP3("UnitSymbol", "ozf·ft", "Torque")
//: ounce-force inch
QT_TRANSLATE_NOOP3("UnitSymbol", "ozf·in", "Torque")
//: pound-force foot
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf·ft", "Torque")
//: pound-force inch
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf·in", "Torque")

QT_TRANSLATE_NOOP("CategoryName", "Velocity")
QT_TRANSLATE_N_NOOP3("UnitName", "c", "Velocity")
//: cm/h
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter/hour", "Velocity")
//: cm/min
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter/minute", "Velocity")
//: cm/s
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter/second", "Velocity")
//: ft/h
QT_TRANSLATE_N_NOOP3("UnitName", "feet/hour", "Velocity")
//: ft/min
QT_TRANSLATE_N_NOOP3("UnitName", "feet/minute", "Velocity")
//: ft/s
QT_TRANSLATE_N_NOOP3("UnitName", "feet/second", "Velocity")
//: km/h
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/hour", "Velocity")
//: km/min
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/minute", "Velocity")
//: km/s
QT_TRANSLATE_N_NOOP3("UnitName", "kilometer/second", "Velocity")
//: kn
QT_TRANSLATE_N_NOOP3("UnitName", "knot", "Velocity")
//: M
QT_TRANSLATE_N_NOOP3("UnitName", "mach", "Velocity")
//: m/h
QT_TRANSLATE_N_NOOP3("UnitName", "meter/hour", "Velocity")
//: m/min
QT_TRANSLATE_N_NOOP3("UnitName", "meter/minute", "Velocity")
//: m/s
QT_TRANSLATE_N_NOOP3("UnitName", "meter/second", "Velocity")
//: mi/h
QT_TRANSLATE_N_NOOP3("UnitName", "mile/hour", "Velocity")
//: mi/min
QT_TRANSLATE_N_NOOP3("UnitName", "mile/minute", "Velocity")
//: mi/s
QT_TRANSLATE_N_NOOP3("UnitName", "mile/second", "Velocity")
//: centimeter/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "cm/h", "Velocity")
//: centimeter/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "cm/min", "Velocity")
//: centimeter/second
QT_TRANSLATE_NOOP3("UnitSymbol", "cm/s", "Velocity")
//: feet/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "ft/h", "Velocity")
//: feet/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "ft/min", "Velocity")
//: feet/second
QT_TRANSLATE_NOOP3("UnitSymbol", "ft/s", "Velocity")
//: kilometer/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "km/h", "Velocity")
//: kilometer/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "km/min", "Velocity")
//: kilometer/second
QT_TRANSLATE_NOOP3("UnitSymbol", "km/s", "Velocity")
//: knot
QT_TRANSLATE_NOOP3("UnitSymbol", "kn", "Velocity")
//: mach
QT_TRANSLATE_NOOP3("UnitSymbol", "M", "Velocity")
//: meter/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "m/h", "Velocity")
//: meter/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "m/min", "Velocity")
//: meter/second
QT_TRANSLATE_NOOP3("UnitSymbol", "m/s", "Velocity")
//: mile/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/h", "Velocity")
//: mile/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/min", "Velocity")
//: mile/second
QT_TRANSLATE_NOOP3("UnitSymbol", "mi/s", "Velocity")

QT_TRANSLATE_NOOP("CategoryName", "Viscosity (Dynamic)")
//: cP
QT_TRANSLATE_N_NOOP3("UnitName", "centipoise", "Viscosity (Dynamic)")
//: dP
QT_TRANSLATE_N_NOOP3("UnitName", "decipoise", "Viscosity (Dynamic)")
//: dyn·s/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "dyne second/centimeter²", "Viscosity (Dynamic)")
//: gf·s/cm²
QT_TRANSLATE_N_NOOP3("UnitName", "gram-force·second/centimeter²", "Viscosity (Dynamic)")
//: g/cm·s
QT_TRANSLATE_N_NOOP3("UnitName", "gram/centimeter·second", "Viscosity (Dynamic)")
//: hyl/m·s
QT_TRANSLATE_N_NOOP3("UnitName", "hyl/meter·second", "Viscosity (Dynamic)")
//: kgf·s/m²
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram-force·second/meter²", "Viscosity (Dynamic)")
//: kg/m·h
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/meter·hour", "Viscosity (Dynamic)")
//: kg/m·s
QT_TRANSLATE_N_NOOP3("UnitName", "kilogram/meter·second", "Viscosity (Dynamic)")
//: mPa·s
QT_TRANSLATE_N_NOOP3("UnitName", "millipascal·second", "Viscosity (Dynamic)")
//: mP
QT_TRANSLATE_N_NOOP3("UnitName", "millipoise", "Viscosity (Dynamic)")
//: N·s/m²
QT_TRANSLATE_N_NOOP3("UnitName", "newton·second/meter²", "Viscosity (Dynamic)")
//: Pa·s
QT_TRANSLATE_N_NOOP3("UnitName", "pascal·second", "Viscosity (Dynamic)")
//: P
QT_TRANSLATE_N_NOOP3("UnitName", "poise", "Viscosity (Dynamic)")
QT_TRANSLATE_N_NOOP3("UnitName", "poiseuille", "Viscosity (Dynamic)")
//: lbf·s/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force·second/foot²", "Viscosity (Dynamic)")
//: lbf·s/in²
QT_TRANSLATE_N_NOOP3("UnitName", "pound-force·second/inch²", "Viscosity (Dynamic)")
//: lb/ft·h
QT_TRANSLATE_N_NOOP3("UnitName", "pound/foot·hour", "Viscosity (Dynamic)")
//: lb/ft·s
QT_TRANSLATE_N_NOOP3("UnitName", "pound/foot·second", "Viscosity (Dynamic)")
//: pdl·h/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "poundal·hour/foot²", "Viscosity (Dynamic)")
//: pdl·s/ft²
QT_TRANSLATE_N_NOOP3("UnitName", "poundal·second/foot²", "Viscosity (Dynamic)")
QT_TRANSLATE_N_NOOP3("UnitName", "reyn", "Viscosity (Dynamic)")
//: slug/ft·s
QT_TRANSLATE_N_NOOP3("UnitName", "slug/foot·second", "Viscosity (Dynamic)")
//: centipoise
QT_TRANSLATE_NOOP3("UnitSymbol", "cP", "Viscosity (Dynamic)")
//: decipoise
QT_TRANSLATE_NOOP3("UnitSymbol", "dP", "Viscosity (Dynamic)")
//: dyne second/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "dyn·s/cm²", "Viscosity (Dynamic)")
//: gram-force·second/centimeter²
QT_TRANSLATE_NOOP3("UnitSymbol", "gf·s/cm²", "Viscosity (Dynamic)")
//: gram/centimeter·second
QT_TRANSLATE_NOOP3("UnitSymbol", "g/cm·s", "Viscosity (Dynamic)")
//: hyl/meter·second
QT_TRANSLATE_NOOP3("UnitSymbol", "hyl/m·s", "Viscosity (Dynamic)")
//: kilogram-force·second/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "kgf·s/m²", "Viscosity (Dynamic)")
//: kilogram/meter·hour
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/m·h", "Viscosity (Dynamic)")
//: kilogram/meter·second
QT_TRANSLATE_NOOP3("UnitSymbol", "kg/m·s", "Viscosity (Dynamic)")
//: millipascal·second
QT_TRANSLATE_NOOP3("UnitSymbol", "mPa·s", "Viscosity (Dynamic)")
//: millipoise
QT_TRANSLATE_NOOP3("UnitSymbol", "mP", "Viscosity (Dynamic)")
//: newton·second/meter²
QT_TRANSLATE_NOOP3("UnitSymbol", "N·s/m²", "Viscosity (Dynamic)")
//: pascal·second
QT_TRANSLATE_NOOP3("UnitSymbol", "Pa·s", "Viscosity (Dynamic)")
//: poise
QT_TRANSLATE_NOOP3("UnitSymbol", "P", "Viscosity (Dynamic)")
//: pound-force·second/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf·s/ft²", "Viscosity (Dynamic)")
//: pound-force·second/inch²
QT_TRANSLATE_NOOP3("UnitSymbol", "lbf·s/in²", "Viscosity (Dynamic)")
//: pound/foot·hour
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/ft·h", "Viscosity (Dynamic)")
//: pound/foot·second
QT_TRANSLATE_NOOP3("UnitSymbol", "lb/ft·s", "Viscosity (Dynamic)")
//: poundal·hour/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "pdl·h/ft²", "Viscosity (Dynamic)")
//: poundal·second/foot²
QT_TRANSLATE_NOOP3("UnitSymbol", "pdl·s/ft²", "Viscosity (Dynamic)")
//: slug/foot·second
QT_TRANSLATE_NOOP3("UnitSymbol", "slug/ft·s", "Viscosity (Dynamic)")

QT_TRANSLATE_NOOP("CategoryName", "Viscosity (Kinematic)")
//: cSt
QT_TRANSLATE_N_NOOP3("UnitName", "centistokes", "Viscosity (Kinematic)")
//: cm²/d
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter²/day", "Viscosity (Kinematic)")
//: cm²/h
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter²/hour", "Viscosity (Kinematic)")
//: cm²/min
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter²/minute", "Viscosity (Kinematic)")
//: cm²/sec
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter²/second", "Viscosity (Kinematic)")
//: ft²/d
QT_TRANSLATE_N_NOOP3("UnitName", "foot²/day", "Viscosity (Kinematic)")
//: ft²/h
QT_TRANSLATE_N_NOOP3("UnitName", "foot²/hour", "Viscosity (Kinematic)")
//: ft²/min
QT_TRANSLATE_N_NOOP3("UnitName", "foot²/minute", "Viscosity (Kinematic)")
//: ft²/s
QT_TRANSLATE_N_NOOP3("UnitName", "foot²/second", "Viscosity (Kinematic)")
//: in²/d
QT_TRANSLATE_N_NOOP3("UnitName", "inch²/day", "Viscosity (Kinematic)")
//: in²/h
QT_TRANSLATE_N_NOOP3("UnitName", "inch²/hour", "Viscosity (Kinematic)")
//: in²/min
QT_TRANSLATE_N_NOOP3("UnitName", "inch²/minute", "Viscosity (Kinematic)")
//: in²/s
QT_TRANSLATE_N_NOOP3("UnitName", "inch²/second", "Viscosity (Kinematic)")
QT_TRANSLATE_N_NOOP3("UnitName", "lentor", "Viscosity (Kinematic)")
//: L/cm·d
QT_TRANSLATE_N_NOOP3("UnitName", "liter/centimeter·day", "Viscosity (Kinematic)")
//: L/cm·h
QT_TRANSLATE_N_NOOP3("UnitName", "liter/centimeter·hour", "Viscosity (Kinematic)")
//: L/cm·min
QT_TRANSLATE_N_NOOP3("UnitName", "liter/centimeter·minute", "Viscosity (Kinematic)")
//: L/cm·sec
QT_TRANSLATE_N_NOOP3("UnitName", "liter/centimeter·second", "Viscosity (Kinematic)")
//: m²/d
QT_TRANSLATE_N_NOOP3("UnitName", "meter²/day", "Viscosity (Kinematic)")
//: m²/h
QT_TRANSLATE_N_NOOP3("UnitName", "meter²/hour", "Viscosity (Kinematic)")
//: m²/min
QT_TRANSLATE_N_NOOP3("UnitName", "meter²/minute", "Viscosity (Kinematic)")
//: m²/s
QT_TRANSLATE_N_NOOP3("UnitName", "meter²/second", "Viscosity (Kinematic)")
//: mm²/d
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter²/day", "Viscosity (Kinematic)")
//: mm²/h
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter²/hour", "Viscosity (Kinematic)")
//: mm²/min
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter²/minute", "Viscosity (Kinematic)")
//: mm²/s
QT_TRANSLATE_N_NOOP3("UnitName", "millimeter²/second", "Viscosity (Kinematic)")
//: P·cm³/g
QT_TRANSLATE_N_NOOP3("UnitName", "poise·centimeter³/gram", "Viscosity (Kinematic)")
//: St
QT_TRANSLATE_N_NOOP3("UnitName", "stokes", "Viscosity (Kinematic)")
//: centistokes
QT_TRANSLATE_NOOP3("UnitSymbol", "cSt", "Viscosity (Kinematic)")
//: centimeter²/day
QT_TRANSLATE_NOOP3("UnitSymbol", "cm²/d", "Viscosity (Kinematic)")
//: centimeter²/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "cm²/h", "Viscosity (Kinematic)")
//: centimeter²/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "cm²/min", "Viscosity (Kinematic)")
//: centimeter²/second
QT_TRANSLATE_NOOP3("UnitSymbol", "cm²/sec", "Viscosity (Kinematic)")
//: foot²/day
QT_TRANSLATE_NOOP3("UnitSymbol", "ft²/d", "Viscosity (Kinematic)")
//: foot²/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "ft²/h", "Viscosity (Kinematic)")
//: foot²/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "ft²/min", "Viscosity (Kinematic)")
//: foot²/second
QT_TRANSLATE_NOOP3("UnitSymbol", "ft²/s", "Viscosity (Kinematic)")
//: inch²/day
QT_TRANSLATE_NOOP3("UnitSymbol", "in²/d", "Viscosity (Kinematic)")
//: inch²/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "in²/h", "Viscosity (Kinematic)")
//: inch²/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "in²/min", "Viscosity (Kinematic)")
//: inch²/second
QT_TRANSLATE_NOOP3("UnitSymbol", "in²/s", "Viscosity (Kinematic)")
//: liter/centimeter·day
QT_TRANSLATE_NOOP3("UnitSymbol", "L/cm·d", "Viscosity (Kinematic)")
//: liter/centimeter·hour
QT_TRANSLATE_NOOP3("UnitSymbol", "L/cm·h", "Viscosity (Kinematic)")
//: liter/centimeter·minute
QT_TRANSLATE_NOOP3("UnitSymbol", "L/cm·min", "Viscosity (Kinematic)")
//: liter/centimeter·second
QT_TRANSLATE_NOOP3("UnitSymbol", "L/cm·sec", "Viscosity (Kinematic)")
//: meter²/day
QT_TRANSLATE_NOOP3("UnitSymbol", "m²/d", "Viscosity (Kinematic)")
//: meter²/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "m²/h", "Viscosity (Kinematic)")
//: meter²/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "m²/min", "Viscosity (Kinematic)")
//: meter²/second
QT_TRANSLATE_NOOP3("UnitSymbol", "m²/s", "Viscosity (Kinematic)")
//: millimeter²/day
QT_TRANSLATE_NOOP3("UnitSymbol", "mm²/d", "Viscosity (Kinematic)")
//: millimeter²/hour
QT_TRANSLATE_NOOP3("UnitSymbol", "mm²/h", "Viscosity (Kinematic)")
//: millimeter²/minute
QT_TRANSLATE_NOOP3("UnitSymbol", "mm²/min", "Viscosity (Kinematic)")
//: millimeter²/second
QT_TRANSLATE_NOOP3("UnitSymbol", "mm²/s", "Viscosity (Kinematic)")
//: poise·centimeter³/gram
QT_TRANSLATE_NOOP3("UnitSymbol", "P·cm³/g", "Viscosity (Kinematic)")
//: stokes
QT_TRANSLATE_NOOP3("UnitSymbol", "St", "Viscosity (Kinematic)")

QT_TRANSLATE_NOOP("CategoryName", "Volume")
//: AF
QT_TRANSLATE_N_NOOP3("UnitName", "acre-foot", "Volume")
//: AF
QT_TRANSLATE_N_NOOP3("UnitName", "acre-foot (US survey)", "Volume")
//: bbl (US liq.)
QT_TRANSLATE_N_NOOP3("UnitName", "barrel (US liq.)", "Volume")
//: bbl (oil)
QT_TRANSLATE_N_NOOP3("UnitName", "barrel (oil)", "Volume")
//: bbl (English)
QT_TRANSLATE_N_NOOP3("UnitName", "barrel (English)", "Volume")
//: cm³
QT_TRANSLATE_N_NOOP3("UnitName", "centimeter³", "Volume")
QT_TRANSLATE_N_NOOP3("UnitName", "cup", "Volume")
QT_TRANSLATE_N_NOOP3("UnitName", "drop (metric)", "Volume")
//: gtt
QT_TRANSLATE_N_NOOP3("UnitName", "drop (U.S.) (alt)", "Volume")
//: gtt
QT_TRANSLATE_N_NOOP3("UnitName", "drop (Imperial) (alt)", "Volume")
//: gtt
QT_TRANSLATE_N_NOOP3("UnitName", "drop (U.S.)", "Volume")
QT_TRANSLATE_N_NOOP3("UnitName", "drop (medical)", "Volume")
//: gtt
QT_TRANSLATE_N_NOOP3("UnitName", "drop (Imperial)", "Volume")
//: ft³
QT_TRANSLATE_N_NOOP3("UnitName", "feet³", "Volume")
//: gal
QT_TRANSLATE_N_NOOP3("UnitName", "gallon", "Volume")
//: gal (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gallon (UK)", "Volume")
//: in³
QT_TRANSLATE_N_NOOP3("UnitName", "inch³", "Volume")
//: L
QT_TRANSLATE_N_NOOP3("UnitName", "liter", "Volume")
//: m³
QT_TRANSLATE_N_NOOP3("UnitName", "meter³", "Volume")
//: mL
QT_TRANSLATE_N_NOOP3("UnitName", "milliliter", "Volume")
//: fl oz
QT_TRANSLATE_N_NOOP3("UnitName", "ounce", "Volume")
//: fl oz (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "ounce (UK)", "Volume")
//: pt
QT_TRANSLATE_N_NOOP3("UnitName", "pint", "Volume")
//: qt
QT_TRANSLATE_N_NOOP3("UnitName", "quart", "Volume")
//: st
QT_TRANSLATE_N_NOOP3("UnitName", "stere", "Volume")
QT_TRANSLATE_N_NOOP3("UnitName", "tablespoon", "Volume")
QT_TRANSLATE_N_NOOP3("UnitName", "teaspoon", "Volume")
//: yd³
QT_TRANSLATE_N_NOOP3("UnitName", "yard³", "Volume")
//: acre-foot, acre-foot (US survey)
QT_TRANSLATE_NOOP3("UnitSymbol", "AF", "Volume")
//: barrel (US liq.)
QT_TRANSLATE_NOOP3("UnitSymbol", "bbl (US liq.)", "Volume")
//: barrel (oil)
QT_TRANSLATE_NOOP3("UnitSymbol", "bbl (oil)", "Volume")
//: barrel (English)
QT_TRANSLATE_NOOP3("UnitSymbol", "bbl (English)", "Volume")
//: centimeter³
QT_TRANSLATE_NOOP3("UnitSymbol", "cm³", "Volume")
//: drop (U.S.) (alt), drop (Imperial) (alt), drop (U.S.), drop (Imperial)
QT_TRANSLATE_NOOP3("UnitSymbol", "gtt", "Volume")
//: feet³
QT_TRANSLATE_NOOP3("UnitSymbol", "ft³", "Volume")
//: gallon
QT_TRANSLATE_NOOP3("UnitSymbol", "gal", "Volume")
//: gallon (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gal (UK)", "Volume")
//: inch³
QT_TRANSLATE_NOOP3("UnitSymbol", "in³", "Volume")
//: liter
QT_TRANSLATE_NOOP3("UnitSymbol", "L", "Volume")
//: meter³
QT_TRANSLATE_NOOP3("UnitSymbol", "m³", "Volume")
//: milliliter
QT_TRANSLATE_NOOP3("UnitSymbol", "mL", "Volume")
//: ounce
QT_TRANSLATE_NOOP3("UnitSymbol", "fl oz", "Volume")
//: ounce (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "fl oz (UK)", "Volume")
//: pint
QT_TRANSLATE_NOOP3("UnitSymbol", "pt", "Volume")
//: quart
QT_TRANSLATE_NOOP3("UnitSymbol", "qt", "Volume")
//: stere
QT_TRANSLATE_NOOP3("UnitSymbol", "st", "Volume")
//: yard³
QT_TRANSLATE_NOOP3("UnitSymbol", "yd³", "Volume")

QT_TRANSLATE_NOOP("CategoryName", "Volume (Dry)")
//: bbl (US)
QT_TRANSLATE_N_NOOP3("UnitName", "barrel (US)", "Volume (Dry)")
//: bu
QT_TRANSLATE_N_NOOP3("UnitName", "bushel", "Volume (Dry)")
//: L
QT_TRANSLATE_N_NOOP3("UnitName", "liter", "Volume (Dry)")
//: pk
QT_TRANSLATE_N_NOOP3("UnitName", "peck", "Volume (Dry)")
//: pt
QT_TRANSLATE_N_NOOP3("UnitName", "pint", "Volume (Dry)")
//: qt
QT_TRANSLATE_N_NOOP3("UnitName", "quart", "Volume (Dry)")
//: gi (UK)
QT_TRANSLATE_N_NOOP3("UnitName", "gill (UK)", "Volume (Dry)")
//: gi (US)
QT_TRANSLATE_N_NOOP3("UnitName", "gill (US)", "Volume (Dry)")
//: barrel (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "bbl (US)", "Volume (Dry)")
//: bushel
QT_TRANSLATE_NOOP3("UnitSymbol", "bu", "Volume (Dry)")
//: liter
QT_TRANSLATE_NOOP3("UnitSymbol", "L", "Volume (Dry)")
//: peck
QT_TRANSLATE_NOOP3("UnitSymbol", "pk", "Volume (Dry)")
//: pint
QT_TRANSLATE_NOOP3("UnitSymbol", "pt", "Volume (Dry)")
//: quart
QT_TRANSLATE_NOOP3("UnitSymbol", "qt", "Volume (Dry)")
//: gill (UK)
QT_TRANSLATE_NOOP3("UnitSymbol", "gi (UK)", "Volume (Dry)")
//: gill (US)
QT_TRANSLATE_NOOP3("UnitSymbol", "gi (US)", "Volume (Dry)")
