"""Zindra's spreadsheet functions, apart from the UNO component that offers
them to Calc: the table of functions, how a cell's values are read and how
the Options text is parsed."""
