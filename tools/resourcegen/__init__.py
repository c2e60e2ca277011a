"""Draws the program's pictures (card sheet, title logo, icon) from code."""
