#!/usr/bin/python3
"""Writes the add-in's type library source and its Calc configuration from
the table of functions, so that both say what zindra_calc.functions says.

Usage: generate.py IDL_OUT XCU_OUT"""

import sys
from xml.sax.saxutils import escape, quoteattr

from zindra_calc.functions import FUNCTIONS

MODULE = ("org", "zindra", "calc")
IMPLEMENTATION = "org.zindra.calc.Functions"


def idl() -> str:
    methods = "".join(
        "        string %s(%s);\n" % (f.method, ", ".join(
            "[in] %s %s" % (a.idl_type, a.name) for a in f.arguments)) for f in FUNCTIONS)
    opening = " ".join("module %s {" % name for name in MODULE)
    closing = " ".join("};" for _ in MODULE)
    return ("#include <com/sun/star/uno/XInterface.idl>\n\n%s\n"
            "    interface XFunctions : com::sun::star::uno::XInterface\n    {\n%s    };\n%s\n"
            % (opening, methods, closing))


def _text(name: str, value: str) -> str:
    return '<prop oor:name="%s"><value xml:lang="en-US">%s</value></prop>' % (name, escape(value))


def xcu() -> str:
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<oor:component-data xmlns:oor="http://openoffice.org/2001/registry"'
             ' xmlns:xs="http://www.w3.org/2001/XMLSchema"'
             ' oor:name="CalcAddIns" oor:package="org.openoffice.Office">',
             ' <node oor:name="AddInInfo">',
             '  <node oor:name=%s oor:op="replace">' % quoteattr(IMPLEMENTATION),
             '   <node oor:name="AddInFunctions">']
    for f in FUNCTIONS:
        lines += ['    <node oor:name=%s oor:op="replace">' % quoteattr(f.method),
                  '     ' + _text("DisplayName", f.name),
                  '     ' + _text("Description", f.description),
                  # Calc's Function Wizard files add-ins it has no category
                  # of its own for under Add-In.
                  '     <prop oor:name="Category"><value>Add-In</value></prop>',
                  '     <node oor:name="Parameters">']
        for a in f.arguments:
            lines += ['      <node oor:name=%s oor:op="replace">' % quoteattr(a.name),
                      '       ' + _text("DisplayName", a.name),
                      '       ' + _text("Description", a.description),
                      '      </node>']
        lines += ['     </node>', '    </node>']
    lines += ['   </node>', '  </node>', ' </node>', '</oor:component-data>', '']
    return "\n".join(lines)


def main(idl_path: str, xcu_path: str) -> None:
    for path, text in ((idl_path, idl()), (xcu_path, xcu())):
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
