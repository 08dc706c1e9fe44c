"""The UNO component that offers Zindra's functions to Calc: one method per
row of zindra_calc.functions, each a thin call into that table.

An exception raised from a method reaches Calc as a failed call, so the cell
shows #VALUE! rather than a font string for data that does not encode."""

import unohelper
from com.sun.star.lang import XServiceInfo, XServiceName
from org.zindra.calc import XFunctions

from zindra_calc.functions import FUNCTIONS, call

IMPLEMENTATION = "org.zindra.calc.Functions"
SERVICES = ("com.sun.star.sheet.AddIn", IMPLEMENTATION)


class Functions(unohelper.Base, XFunctions, XServiceName, XServiceInfo):
    def __init__(self, context):
        self.context = context

    def getServiceName(self):
        return IMPLEMENTATION

    def getImplementationName(self):
        return IMPLEMENTATION

    def supportsService(self, name):
        return name in SERVICES

    def getSupportedServiceNames(self):
        return SERVICES


def _method(function):
    def method(self, *values):
        return call(function, *values)
    method.__name__ = function.method
    return method


for _function in FUNCTIONS:
    setattr(Functions, _function.method, _method(_function))

g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(Functions, IMPLEMENTATION, SERVICES)
