"""Differential fuzzing of kaldra against a NumPy model (see fuzz.model); run with python -m fuzz."""
