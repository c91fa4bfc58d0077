"""Lifetimes: views outlive the vector they were cut from, storage stays right whatever dies first, and
calls neither leak nor drop references to the objects they are given or return."""

import gc
import sys

import pytest

import kaldra

VECTORS = [kaldra.vecs, kaldra.vecd, kaldra.vecc, kaldra.vecz]
MATRICES = [kaldra.mats, kaldra.matd, kaldra.matc, kaldra.matz]


@pytest.mark.parametrize("vec", VECTORS, ids=lambda c: c.__name__)
def test_views_keep_their_storage_after_the_vector_dies(vec):
    v = vec(6)
    for i in range(6):
        v[i] = i + 1
    w = v[1:5]
    ww = w[1:3]  # storage elements 2 and 3
    del v
    gc.collect()
    # Churn the allocator so that freed storage would be reused and overwritten.
    junk = [vec(6) for _ in range(50)]
    for j in junk:
        kaldra.scale(0.0, j)
    assert [w[i] for i in range(4)] == [2, 3, 4, 5]
    del w
    gc.collect()
    assert [ww[i] for i in range(2)] == [3, 4]
    ww[0] = 30
    kaldra.scale(2.0, ww)
    assert [ww[i] for i in range(2)] == [60, 8]
    tail = ww[1:]  # a view cut from a view whose vector and parent view are gone
    assert tail.numel() == 1 and tail[0] == 8


@pytest.mark.parametrize("vec", VECTORS, ids=lambda c: c.__name__)
def test_many_views_of_one_storage_in_mixed_death_orders(vec):
    v = vec(10)
    views = [v[i:10] for i in range(10)] + [v[0:i] for i in range(10)]
    nested = [w[1:] for w in views if w.numel() > 1]
    for i in range(10):
        v[i] = i
    del views[::2]
    del v
    gc.collect()
    del nested[1::3]
    gc.collect()
    for w in views + nested:
        first = w[0] if w.numel() else None
        if first is not None:
            assert first.real == int(first.real) and 0 <= first.real < 10


@pytest.mark.parametrize("vec, mat", list(zip(VECTORS, MATRICES)), ids=lambda c: c.__name__)
def test_calls_keep_reference_counts_balanced(vec, mat):
    x, y = vec(4), vec(4)
    A, X, Y = mat(4, 4), mat(4, 4), mat(4, 4)
    w = y[0:4]
    objects = [x, y, A, X, Y, w]
    before = [sys.getrefcount(o) for o in objects]
    for _ in range(1000):
        kaldra.scale(2.0, x)
        kaldra.sum(x, w)
        kaldra.axpy(0.5, w, y)
        kaldra.copy(x, y)
        kaldra.swap(x, y)
        kaldra.dot(x, w)
        kaldra.gemv(1.0, 0.0, A, x, w)
        kaldra.gemm(1.0, 0.0, A, X, Y)
        kaldra.matmul(A, X, Y)
        w[1:3]
        try:
            kaldra.sum(x, vec(1))
        except RuntimeError:
            pass
        try:
            kaldra.sum(x, None)
        except TypeError:
            pass
    assert [sys.getrefcount(o) for o in objects] == before
